package java.io;

/** Reads characters from bytes in UTF-8 (the phone's encoding) or ISO-8859-1. */
public class InputStreamReader extends Reader {
    private final InputStream in;
    private final boolean utf8;

    public InputStreamReader(InputStream is) {
        this.in = is;
        this.utf8 = true;
    }

    public InputStreamReader(InputStream is, String enc) throws UnsupportedEncodingException {
        this.in = is;
        String e = avizad.vm.Text.canonical(enc);
        if (e == null) {
            throw new UnsupportedEncodingException(enc);
        }
        utf8 = e.equals("UTF-8");
        if (!utf8 && !e.equals("ISO-8859-1") && !e.equals("US-ASCII")) {
            throw new UnsupportedEncodingException(enc);
        }
    }

    private int readChar() throws IOException {
        int c = in.read();
        if (c < 0 || !utf8 || c < 0x80) {
            return c;
        }
        if ((c & 0xE0) == 0xC0) {
            int c2 = in.read();
            return c2 < 0 ? 0xFFFD : ((c & 0x1F) << 6) | (c2 & 0x3F);
        }
        if ((c & 0xF0) == 0xE0) {
            int c2 = in.read();
            int c3 = in.read();
            return (c2 | c3) < 0 ? 0xFFFD : ((c & 0x0F) << 12) | ((c2 & 0x3F) << 6) | (c3 & 0x3F);
        }
        return 0xFFFD;
    }

    public int read(char[] cbuf, int off, int len) throws IOException {
        if (off < 0 || len < 0 || off > cbuf.length - len) {
            throw new IndexOutOfBoundsException();
        }
        if (len == 0) {
            return 0;
        }
        int n = 0;
        while (n < len) {
            int c = readChar();
            if (c < 0) {
                break;
            }
            cbuf[off + n++] = (char) c;
            if (in.available() <= 0) {
                break;
            }
        }
        return n == 0 ? -1 : n;
    }

    public boolean ready() throws IOException {
        return in.available() > 0;
    }

    public void close() throws IOException {
        in.close();
    }
}
