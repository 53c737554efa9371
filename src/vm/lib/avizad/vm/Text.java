package avizad.vm;

import java.io.UnsupportedEncodingException;

/** The character encodings of the phone: UTF-8 (its default), ISO-8859-1, US-ASCII, Cp1251. */
public final class Text {
    private Text() {
    }

    private static final String CP1251_HIGH =
            "\u0402\u0403\u201A\u0453\u201E\u2026\u2020\u2021\u20AC\u2030\u0409\u2039\u040A\u040C\u040B\u040F"
            + "\u0452\u2018\u2019\u201C\u201D\u2022\u2013\u2014\uFFFD\u2122\u0459\u203A\u045A\u045C\u045B\u045F"
            + "\u00A0\u040E\u045E\u0408\u00A4\u0490\u00A6\u00A7\u0401\u00A9\u0404\u00AB\u00AC\u00AD\u00AE\u0407"
            + "\u00B0\u00B1\u0406\u0456\u0491\u00B5\u00B6\u00B7\u0451\u2116\u0454\u00BB\u0458\u0405\u0455\u0457";

    /** The canonical name of an encoding, or null when the phone does not know it. */
    public static String canonical(String enc) {
        String e = enc.toUpperCase();
        if (e.equals("UTF-8") || e.equals("UTF8")) {
            return "UTF-8";
        }
        if (e.equals("ISO-8859-1") || e.equals("ISO8859_1") || e.equals("ISO8859-1")
                || e.equals("LATIN1") || e.equals("ISO-LATIN-1")) {
            return "ISO-8859-1";
        }
        if (e.equals("US-ASCII") || e.equals("ASCII")) {
            return "US-ASCII";
        }
        if (e.equals("CP1251") || e.equals("WINDOWS-1251")) {
            return "Cp1251";
        }
        return null;
    }

    public static char[] decode(byte[] b, int off, int len, String enc)
            throws UnsupportedEncodingException {
        String e = canonical(enc);
        if (e == null) {
            throw new UnsupportedEncodingException(enc);
        }
        if (e.equals("UTF-8")) {
            return decodeDefault(b, off, len);
        }
        char[] out = new char[len];
        for (int i = 0; i < len; i++) {
            int c = b[off + i] & 0xFF;
            if (e.equals("US-ASCII")) {
                out[i] = c < 128 ? (char) c : '\uFFFD';
            } else if (e.equals("Cp1251") && c >= 0x80) {
                out[i] = c >= 0xC0 ? (char) (c - 0xC0 + 0x410) : CP1251_HIGH.charAt(c - 0x80);
            } else {
                out[i] = (char) c;
            }
        }
        return out;
    }

    /** UTF-8, with U+FFFD for each malformed sequence. */
    public static char[] decodeDefault(byte[] b, int off, int len) {
        char[] out = new char[len];
        int n = 0;
        int end = off + len;
        int i = off;
        while (i < end) {
            int c = b[i] & 0xFF;
            if (c < 0x80) {
                out[n++] = (char) c;
                i++;
                continue;
            }
            int need;
            int cp;
            int min;
            if (c >= 0xC2 && c <= 0xDF) {
                need = 1;
                cp = c & 0x1F;
                min = 0x80;
            } else if (c >= 0xE0 && c <= 0xEF) {
                need = 2;
                cp = c & 0x0F;
                min = 0x800;
            } else if (c >= 0xF0 && c <= 0xF4) {
                need = 3;
                cp = c & 0x07;
                min = 0x10000;
            } else {
                out[n++] = '\uFFFD';
                i++;
                continue;
            }
            int j = 1;
            while (j <= need && i + j < end && (b[i + j] & 0xC0) == 0x80) {
                cp = (cp << 6) | (b[i + j] & 0x3F);
                j++;
            }
            if (j <= need || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
                out[n++] = '\uFFFD';
                i += j == 1 ? 1 : j;
                continue;
            }
            i += j;
            if (cp >= 0x10000) {
                if (n + 2 > out.length) {
                    char[] grown = new char[out.length + 2];
                    System.arraycopy(out, 0, grown, 0, n);
                    out = grown;
                }
                cp -= 0x10000;
                out[n++] = (char) (0xD800 + (cp >> 10));
                out[n++] = (char) (0xDC00 + (cp & 0x3FF));
            } else {
                out[n++] = (char) cp;
            }
        }
        if (n == out.length) {
            return out;
        }
        char[] exact = new char[n];
        System.arraycopy(out, 0, exact, 0, n);
        return exact;
    }

    public static byte[] encode(char[] s, int off, int len, String enc)
            throws UnsupportedEncodingException {
        String e = canonical(enc);
        if (e == null) {
            throw new UnsupportedEncodingException(enc);
        }
        if (e.equals("UTF-8")) {
            return encodeDefault(s, off, len);
        }
        byte[] out = new byte[len];
        for (int i = 0; i < len; i++) {
            char c = s[off + i];
            int v = '?';
            if (e.equals("US-ASCII")) {
                v = c < 128 ? c : '?';
            } else if (e.equals("ISO-8859-1")) {
                v = c < 256 ? c : '?';
            } else if (c < 128) {
                v = c;
            } else if (c >= '\u0410' && c <= '\u044F') {
                v = c - 0x410 + 0xC0;
            } else {
                int k = CP1251_HIGH.indexOf(c);
                v = k >= 0 && c != '\uFFFD' ? k + 0x80 : '?';
            }
            out[i] = (byte) v;
        }
        return out;
    }

    public static byte[] encodeDefault(char[] s, int off, int len) {
        int size = 0;
        for (int i = 0; i < len; i++) {
            char c = s[off + i];
            if (c < 0x80) {
                size += 1;
            } else if (c < 0x800) {
                size += 2;
            } else if (c >= '\uD800' && c <= '\uDBFF' && i + 1 < len
                    && s[off + i + 1] >= '\uDC00' && s[off + i + 1] <= '\uDFFF') {
                size += 4;
                i++;
            } else if (c >= '\uD800' && c <= '\uDFFF') {
                size += 1;
            } else {
                size += 3;
            }
        }
        byte[] out = new byte[size];
        int n = 0;
        for (int i = 0; i < len; i++) {
            char c = s[off + i];
            if (c < 0x80) {
                out[n++] = (byte) c;
            } else if (c < 0x800) {
                out[n++] = (byte) (0xC0 | (c >> 6));
                out[n++] = (byte) (0x80 | (c & 0x3F));
            } else if (c >= '\uD800' && c <= '\uDBFF' && i + 1 < len
                    && s[off + i + 1] >= '\uDC00' && s[off + i + 1] <= '\uDFFF') {
                int cp = 0x10000 + ((c - 0xD800) << 10) + (s[off + i + 1] - 0xDC00);
                i++;
                out[n++] = (byte) (0xF0 | (cp >> 18));
                out[n++] = (byte) (0x80 | ((cp >> 12) & 0x3F));
                out[n++] = (byte) (0x80 | ((cp >> 6) & 0x3F));
                out[n++] = (byte) (0x80 | (cp & 0x3F));
            } else if (c >= '\uD800' && c <= '\uDFFF') {
                out[n++] = (byte) '?';
            } else {
                out[n++] = (byte) (0xE0 | (c >> 12));
                out[n++] = (byte) (0x80 | ((c >> 6) & 0x3F));
                out[n++] = (byte) (0x80 | (c & 0x3F));
            }
        }
        return out;
    }
}
