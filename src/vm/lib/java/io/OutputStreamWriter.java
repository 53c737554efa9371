package java.io;

public class OutputStreamWriter extends Writer {
    private final OutputStream out;
    private final String enc;

    public OutputStreamWriter(OutputStream os) {
        this.out = os;
        this.enc = "UTF-8";
    }

    public OutputStreamWriter(OutputStream os, String enc) throws UnsupportedEncodingException {
        this.out = os;
        this.enc = avizad.vm.Text.canonical(enc);
        if (this.enc == null) {
            throw new UnsupportedEncodingException(enc);
        }
    }

    public void write(char[] cbuf, int off, int len) throws IOException {
        if (off < 0 || len < 0 || off > cbuf.length - len) {
            throw new IndexOutOfBoundsException();
        }
        out.write(avizad.vm.Text.encode(cbuf, off, len, enc));
    }

    public void flush() throws IOException {
        out.flush();
    }

    public void close() throws IOException {
        out.close();
    }
}
