package java.lang;

public final class StringBuilder extends AbstractStringBuilder {
    public StringBuilder() {
        super(16);
    }

    public StringBuilder(int length) {
        super(length);
    }

    public StringBuilder(String str) {
        super(str.length() + 16);
        appendString(str);
    }

    public StringBuilder append(Object obj) {
        appendString(String.valueOf(obj));
        return this;
    }

    public StringBuilder append(String str) {
        appendString(str);
        return this;
    }

    public StringBuilder append(char[] str) {
        appendChars(str, 0, str.length);
        return this;
    }

    public StringBuilder append(char[] str, int offset, int len) {
        appendChars(str, offset, len);
        return this;
    }

    public StringBuilder append(boolean b) {
        appendString(b ? "true" : "false");
        return this;
    }

    public StringBuilder append(char c) {
        appendChar(c);
        return this;
    }

    public StringBuilder append(int i) {
        appendInt(i);
        return this;
    }

    public StringBuilder append(long l) {
        appendString(Long.toString(l));
        return this;
    }

    public StringBuilder append(float f) {
        appendString(Float.toString(f));
        return this;
    }

    public StringBuilder append(double d) {
        appendString(Double.toString(d));
        return this;
    }

    public StringBuilder delete(int start, int end) {
        deleteRange(start, end);
        return this;
    }

    public StringBuilder deleteCharAt(int index) {
        deleteAt(index);
        return this;
    }

    public StringBuilder insert(int offset, Object obj) {
        insertString(offset, String.valueOf(obj));
        return this;
    }

    public StringBuilder insert(int offset, String str) {
        insertString(offset, str);
        return this;
    }

    public StringBuilder insert(int offset, char[] str) {
        insertString(offset, new String(str));
        return this;
    }

    public StringBuilder insert(int offset, boolean b) {
        insertString(offset, String.valueOf(b));
        return this;
    }

    public StringBuilder insert(int offset, char c) {
        insertString(offset, String.valueOf(c));
        return this;
    }

    public StringBuilder insert(int offset, int i) {
        insertString(offset, Integer.toString(i));
        return this;
    }

    public StringBuilder insert(int offset, long l) {
        insertString(offset, Long.toString(l));
        return this;
    }

    public StringBuilder insert(int offset, float f) {
        insertString(offset, Float.toString(f));
        return this;
    }

    public StringBuilder insert(int offset, double d) {
        insertString(offset, Double.toString(d));
        return this;
    }

    public StringBuilder reverse() {
        reverseChars();
        return this;
    }

    public String toString() {
        return new String(value, 0, count);
    }
}
