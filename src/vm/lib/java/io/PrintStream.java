package java.io;

public class PrintStream extends OutputStream {
    private OutputStream out;
    private boolean trouble;

    public PrintStream(OutputStream out) {
        if (out == null) {
            throw new NullPointerException("Null output stream");
        }
        this.out = out;
    }

    public void flush() {
        synchronized (this) {
            try {
                if (out != null) {
                    out.flush();
                }
            } catch (IOException x) {
                trouble = true;
            }
        }
    }

    public void close() {
        synchronized (this) {
            try {
                if (out != null) {
                    out.close();
                    out = null;
                }
            } catch (IOException x) {
                trouble = true;
            }
        }
    }

    public boolean checkError() {
        if (out != null) {
            flush();
        }
        return trouble;
    }

    protected void setError() {
        trouble = true;
    }

    public void write(int b) {
        try {
            synchronized (this) {
                if (out == null) {
                    throw new IOException("Stream closed");
                }
                out.write(b);
            }
        } catch (IOException x) {
            trouble = true;
        }
    }

    public void write(byte[] buf, int off, int len) {
        try {
            synchronized (this) {
                if (out == null) {
                    throw new IOException("Stream closed");
                }
                out.write(buf, off, len);
            }
        } catch (IOException x) {
            trouble = true;
        }
    }

    private void writeText(String s) {
        byte[] b = s.getBytes();
        write(b, 0, b.length);
    }

    public void print(boolean b) {
        writeText(b ? "true" : "false");
    }

    public void print(char c) {
        writeText(String.valueOf(c));
    }

    public void print(int i) {
        writeText(String.valueOf(i));
    }

    public void print(long l) {
        writeText(String.valueOf(l));
    }

    public void print(float f) {
        writeText(String.valueOf(f));
    }

    public void print(double d) {
        writeText(String.valueOf(d));
    }

    public void print(char[] s) {
        writeText(new String(s));
    }

    public void print(String s) {
        writeText(s == null ? "null" : s);
    }

    public void print(Object obj) {
        writeText(String.valueOf(obj));
    }

    public void println() {
        writeText("\n");
    }

    public void println(boolean x) {
        synchronized (this) {
            print(x);
            println();
        }
    }

    public void println(char x) {
        synchronized (this) {
            print(x);
            println();
        }
    }

    public void println(int x) {
        synchronized (this) {
            print(x);
            println();
        }
    }

    public void println(long x) {
        synchronized (this) {
            print(x);
            println();
        }
    }

    public void println(float x) {
        synchronized (this) {
            print(x);
            println();
        }
    }

    public void println(double x) {
        synchronized (this) {
            print(x);
            println();
        }
    }

    public void println(char[] x) {
        synchronized (this) {
            print(x);
            println();
        }
    }

    public void println(String x) {
        synchronized (this) {
            print(x);
            println();
        }
    }

    public void println(Object x) {
        synchronized (this) {
            print(x);
            println();
        }
    }
}
