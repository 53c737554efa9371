package java.lang;

/** The growing text of StringBuffer and StringBuilder. */
abstract class AbstractStringBuilder {
    char[] value;
    int count;

    AbstractStringBuilder(int capacity) {
        value = new char[capacity];
    }

    public int length() {
        return count;
    }

    public int capacity() {
        return value.length;
    }

    public void ensureCapacity(int minimumCapacity) {
        if (minimumCapacity > value.length) {
            expand(minimumCapacity);
        }
    }

    void expand(int minimumCapacity) {
        int n = (value.length + 1) * 2;
        if (n < 0) {
            n = Integer.MAX_VALUE;
        } else if (minimumCapacity > n) {
            n = minimumCapacity;
        }
        char[] v = new char[n];
        System.arraycopy(value, 0, v, 0, count);
        value = v;
    }

    public void setLength(int newLength) {
        if (newLength < 0) {
            throw new StringIndexOutOfBoundsException(newLength);
        }
        ensureCapacity(newLength);
        for (int i = count; i < newLength; i++) {
            value[i] = '\0';
        }
        count = newLength;
    }

    public char charAt(int index) {
        if (index < 0 || index >= count) {
            throw new StringIndexOutOfBoundsException("index " + index + ",length " + count);
        }
        return value[index];
    }

    public void getChars(int srcBegin, int srcEnd, char[] dst, int dstBegin) {
        if (srcBegin < 0 || srcEnd < 0 || srcEnd > count || srcBegin > srcEnd) {
            throw new StringIndexOutOfBoundsException("start " + srcBegin + ", end " + srcEnd
                    + ", length " + count);
        }
        System.arraycopy(value, srcBegin, dst, dstBegin, srcEnd - srcBegin);
    }

    public void setCharAt(int index, char ch) {
        if (index < 0 || index >= count) {
            throw new StringIndexOutOfBoundsException("index " + index + ",length " + count);
        }
        value[index] = ch;
    }

    void appendString(String str) {
        if (str == null) {
            str = "null";
        }
        int len = str.length();
        int newCount = count + len;
        if (newCount > value.length) {
            expand(newCount);
        }
        str.getChars(0, len, value, count);
        count = newCount;
    }

    void appendChars(char[] str, int offset, int len) {
        if (offset < 0 || len < 0 || offset > str.length - len) {
            throw new ArrayIndexOutOfBoundsException("offset " + offset + ", count " + len
                    + ", length " + str.length);
        }
        int newCount = count + len;
        if (newCount > value.length) {
            expand(newCount);
        }
        System.arraycopy(str, offset, value, count, len);
        count = newCount;
    }

    void appendChar(char c) {
        int newCount = count + 1;
        if (newCount > value.length) {
            expand(newCount);
        }
        value[count++] = c;
    }

    void appendInt(int i) {
        if (i == Integer.MIN_VALUE) {
            appendString("-2147483648");
            return;
        }
        int size = i < 0 ? Integer.stringSize(-i) + 1 : Integer.stringSize(i);
        int newCount = count + size;
        if (newCount > value.length) {
            expand(newCount);
        }
        Integer.getChars(i, newCount, value);
        count = newCount;
    }

    void deleteRange(int start, int end) {
        if (end > count) {
            end = count;
        }
        if (start < 0 || start > end) {
            throw new StringIndexOutOfBoundsException();
        }
        int len = end - start;
        if (len > 0) {
            System.arraycopy(value, start + len, value, start, count - end);
            count -= len;
        }
    }

    void deleteAt(int index) {
        if (index < 0 || index >= count) {
            throw new StringIndexOutOfBoundsException(index);
        }
        System.arraycopy(value, index + 1, value, index, count - index - 1);
        count--;
    }

    void insertString(int offset, String str) {
        if (offset < 0 || offset > count) {
            throw new StringIndexOutOfBoundsException("offset " + offset + ", length " + count);
        }
        if (str == null) {
            str = "null";
        }
        int len = str.length();
        int newCount = count + len;
        if (newCount > value.length) {
            expand(newCount);
        }
        System.arraycopy(value, offset, value, offset + len, count - offset);
        str.getChars(0, len, value, offset);
        count = newCount;
    }

    void reverseChars() {
        int n = count - 1;
        for (int j = (n - 1) >> 1; j >= 0; --j) {
            char temp = value[j];
            value[j] = value[n - j];
            value[n - j] = temp;
        }
        // A surrogate pair keeps its order.
        for (int i = 0; i < count - 1; i++) {
            char c2 = value[i];
            if (c2 >= '\uDC00' && c2 <= '\uDFFF') {
                char c1 = value[i + 1];
                if (c1 >= '\uD800' && c1 <= '\uDBFF') {
                    value[i++] = c1;
                    value[i] = c2;
                }
            }
        }
    }

    public String toString() {
        return new String(value, 0, count);
    }
}
