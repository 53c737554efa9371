package java.lang;

public final class StringBuffer extends AbstractStringBuilder {
    public StringBuffer() {
        super(16);
    }

    public StringBuffer(int length) {
        super(length);
    }

    public StringBuffer(String str) {
        super(str.length() + 16);
        appendString(str);
    }

    public synchronized StringBuffer append(Object obj) {
        appendString(String.valueOf(obj));
        return this;
    }

    public synchronized StringBuffer append(String str) {
        appendString(str);
        return this;
    }

    public synchronized StringBuffer append(char[] str) {
        appendChars(str, 0, str.length);
        return this;
    }

    public synchronized StringBuffer append(char[] str, int offset, int len) {
        appendChars(str, offset, len);
        return this;
    }

    public synchronized StringBuffer append(boolean b) {
        appendString(b ? "true" : "false");
        return this;
    }

    public synchronized StringBuffer append(char c) {
        appendChar(c);
        return this;
    }

    public synchronized StringBuffer append(int i) {
        appendInt(i);
        return this;
    }

    public synchronized StringBuffer append(long l) {
        appendString(Long.toString(l));
        return this;
    }

    public synchronized StringBuffer append(float f) {
        appendString(Float.toString(f));
        return this;
    }

    public synchronized StringBuffer append(double d) {
        appendString(Double.toString(d));
        return this;
    }

    public synchronized StringBuffer delete(int start, int end) {
        deleteRange(start, end);
        return this;
    }

    public synchronized StringBuffer deleteCharAt(int index) {
        deleteAt(index);
        return this;
    }

    public synchronized StringBuffer insert(int offset, Object obj) {
        insertString(offset, String.valueOf(obj));
        return this;
    }

    public synchronized StringBuffer insert(int offset, String str) {
        insertString(offset, str);
        return this;
    }

    public synchronized StringBuffer insert(int offset, char[] str) {
        insertString(offset, new String(str));
        return this;
    }

    public synchronized StringBuffer insert(int offset, boolean b) {
        insertString(offset, String.valueOf(b));
        return this;
    }

    public synchronized StringBuffer insert(int offset, char c) {
        insertString(offset, String.valueOf(c));
        return this;
    }

    public synchronized StringBuffer insert(int offset, int i) {
        insertString(offset, Integer.toString(i));
        return this;
    }

    public synchronized StringBuffer insert(int offset, long l) {
        insertString(offset, Long.toString(l));
        return this;
    }

    public synchronized StringBuffer insert(int offset, float f) {
        insertString(offset, Float.toString(f));
        return this;
    }

    public synchronized StringBuffer insert(int offset, double d) {
        insertString(offset, Double.toString(d));
        return this;
    }

    public synchronized StringBuffer reverse() {
        reverseChars();
        return this;
    }

    public synchronized String toString() {
        return new String(value, 0, count);
    }
}
