package javax.microedition.lcdui;

/** The text, limits and constraints shared by TextField and TextBox. */
final class TextEditing {
    StringBuffer text = new StringBuffer();
    int maxSize;
    int constraints;
    int caret;

    TextEditing(String s, int maxSize, int constraints) {
        if (maxSize <= 0) {
            throw new IllegalArgumentException("maximum size must be positive");
        }
        this.maxSize = maxSize;
        setConstraints(constraints);
        setString(s);
    }

    void setConstraints(int c) {
        int mode = c & TextField.CONSTRAINT_MASK;
        if (mode > TextField.DECIMAL) {
            throw new IllegalArgumentException("bad constraints");
        }
        constraints = c;
        if (!valid(text.toString())) {
            text.setLength(0);
            caret = 0;
        }
    }

    boolean valid(String s) {
        int mode = constraints & TextField.CONSTRAINT_MASK;
        if (s.length() == 0) {
            return true;
        }
        if (mode == TextField.NUMERIC) {
            try {
                Integer.parseInt(s.startsWith("-") && s.length() == 1 ? "0" : s);
                return true;
            } catch (NumberFormatException e) {
                return false;
            }
        }
        if (mode == TextField.DECIMAL) {
            for (int i = 0; i < s.length(); i++) {
                char ch = s.charAt(i);
                if (!(Character.isDigit(ch) || ch == '.' || (ch == '-' && i == 0))) {
                    return false;
                }
            }
        }
        if (mode == TextField.PHONENUMBER) {
            for (int i = 0; i < s.length(); i++) {
                if ("0123456789+*#pw ".indexOf(s.charAt(i)) < 0) {
                    return false;
                }
            }
        }
        return true;
    }

    void setString(String s) {
        String v = s == null ? "" : s;
        if (v.length() > maxSize) {
            throw new IllegalArgumentException("text longer than the maximum size");
        }
        if (!valid(v)) {
            throw new IllegalArgumentException("text does not meet the constraints");
        }
        text = new StringBuffer(v);
        caret = v.length();
    }

    void insert(String s, int position) {
        String now = text.toString();
        int p = Math.max(0, Math.min(position, now.length()));
        String v = now.substring(0, p) + s + now.substring(p);
        if (v.length() > maxSize) {
            throw new IllegalArgumentException("text longer than the maximum size");
        }
        if (!valid(v)) {
            throw new IllegalArgumentException("text does not meet the constraints");
        }
        text = new StringBuffer(v);
        caret = p + s.length();
    }

    void delete(int offset, int length) {
        if (offset < 0 || length < 0 || offset + length > text.length()) {
            throw new StringIndexOutOfBoundsException();
        }
        String v = text.toString();
        String nv = v.substring(0, offset) + v.substring(offset + length);
        if (!valid(nv)) {
            throw new IllegalArgumentException("text does not meet the constraints");
        }
        text = new StringBuffer(nv);
        caret = Math.min(caret, nv.length());
    }

    int setMaxSize(int m) {
        if (m <= 0) {
            throw new IllegalArgumentException("maximum size must be positive");
        }
        if (text.length() > m) {
            String cut = text.toString().substring(0, m);
            if (!valid(cut)) {
                throw new IllegalArgumentException("text does not meet the constraints");
            }
            text = new StringBuffer(cut);
        }
        maxSize = m;
        caret = Math.min(caret, text.length());
        return m;
    }

    int getChars(char[] data) {
        if (data.length < text.length()) {
            throw new ArrayIndexOutOfBoundsException();
        }
        text.getChars(0, text.length(), data, 0);
        return text.length();
    }

    void setChars(char[] data, int offset, int length) {
        if (data == null) {
            setString("");
            return;
        }
        if (offset < 0 || length < 0 || offset + length > data.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        setString(new String(data, offset, length));
    }

    /** A key typed into the text: digits, star and pound append, the left key erases. */
    boolean key(int code) {
        if ((constraints & TextField.UNEDITABLE) != 0) {
            return false;
        }
        if (code == avizad.emulator.Keys.LEFT && text.length() > 0) {
            delete(text.length() - 1, 1);
            return true;
        }
        if ((code >= 48 && code <= 57) || code == 42 || code == 35) {
            try {
                insert(String.valueOf((char) code), text.length());
            } catch (IllegalArgumentException e) {
                return false;
            }
            return true;
        }
        return false;
    }

    String shown() {
        if ((constraints & TextField.PASSWORD) != 0) {
            StringBuffer sb = new StringBuffer();
            for (int i = 0; i < text.length(); i++) {
                sb.append('*');
            }
            return sb.toString();
        }
        return text.toString();
    }
}
