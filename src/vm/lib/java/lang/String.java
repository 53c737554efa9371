package java.lang;

import java.io.UnsupportedEncodingException;

public final class String {
    private final char[] value;
    private final int offset;
    private final int count;
    private int hash;

    public String() {
        value = new char[0];
        offset = 0;
        count = 0;
    }

    public String(String original) {
        value = original.value;
        offset = original.offset;
        count = original.count;
    }

    public String(char[] chars) {
        this(chars, 0, chars.length);
    }

    public String(char[] chars, int offset, int length) {
        if (offset < 0 || length < 0 || offset > chars.length - length) {
            throw new StringIndexOutOfBoundsException("offset " + offset + ", count " + length
                    + ", length " + chars.length);
        }
        value = new char[length];
        System.arraycopy(chars, offset, value, 0, length);
        this.offset = 0;
        this.count = length;
    }

    /** Takes the array as it is (no copy): for the library's own use. */
    String(int offset, int count, char[] chars) {
        value = chars;
        this.offset = offset;
        this.count = count;
    }

    public String(byte[] bytes, int off, int len, String enc) throws UnsupportedEncodingException {
        if (enc == null) {
            throw new NullPointerException();
        }
        if (off < 0 || len < 0 || off > bytes.length - len) {
            throw new StringIndexOutOfBoundsException("offset " + off + ", count " + len
                    + ", length " + bytes.length);
        }
        char[] out = avizad.vm.Text.decode(bytes, off, len, enc);
        value = out;
        offset = 0;
        count = out.length;
    }

    public String(byte[] bytes, String enc) throws UnsupportedEncodingException {
        this(bytes, 0, bytes.length, enc);
    }

    public String(byte[] bytes, int off, int len) {
        if (off < 0 || len < 0 || off > bytes.length - len) {
            throw new StringIndexOutOfBoundsException("offset " + off + ", count " + len
                    + ", length " + bytes.length);
        }
        char[] out = avizad.vm.Text.decodeDefault(bytes, off, len);
        value = out;
        offset = 0;
        count = out.length;
    }

    public String(byte[] bytes) {
        this(bytes, 0, bytes.length);
    }

    public String(StringBuffer buffer) {
        this(buffer.toString());
    }

    public int length() {
        return count;
    }

    public char charAt(int index) {
        if (index < 0 || index >= count) {
            throw new StringIndexOutOfBoundsException("index " + index + ", length " + count);
        }
        return value[offset + index];
    }

    public void getChars(int srcBegin, int srcEnd, char[] dst, int dstBegin) {
        if (srcBegin < 0 || srcBegin > srcEnd || srcEnd > count) {
            throw new StringIndexOutOfBoundsException("begin " + srcBegin + ", end " + srcEnd
                    + ", length " + count);
        }
        System.arraycopy(value, offset + srcBegin, dst, dstBegin, srcEnd - srcBegin);
    }

    public byte[] getBytes(String enc) throws UnsupportedEncodingException {
        if (enc == null) {
            throw new NullPointerException();
        }
        return avizad.vm.Text.encode(value, offset, count, enc);
    }

    public byte[] getBytes() {
        return avizad.vm.Text.encodeDefault(value, offset, count);
    }

    public boolean equals(Object anObject) {
        if (this == anObject) {
            return true;
        }
        if (!(anObject instanceof String)) {
            return false;
        }
        String other = (String) anObject;
        int n = count;
        if (n != other.count) {
            return false;
        }
        char[] a = value;
        char[] b = other.value;
        int i = offset;
        int j = other.offset;
        while (n-- != 0) {
            if (a[i++] != b[j++]) {
                return false;
            }
        }
        return true;
    }

    public boolean equalsIgnoreCase(String other) {
        return other != null && other.count == count && regionMatches(true, 0, other, 0, count);
    }

    public int compareTo(String other) {
        int n = Math.min(count, other.count);
        char[] a = value;
        char[] b = other.value;
        int i = offset;
        int j = other.offset;
        for (int k = 0; k < n; k++) {
            char c1 = a[i + k];
            char c2 = b[j + k];
            if (c1 != c2) {
                return c1 - c2;
            }
        }
        return count - other.count;
    }

    public boolean regionMatches(int toffset, String other, int ooffset, int len) {
        return regionMatches(false, toffset, other, ooffset, len);
    }

    public boolean regionMatches(boolean ignoreCase, int toffset, String other, int ooffset,
            int len) {
        if (ooffset < 0 || toffset < 0 || toffset > (long) count - len
                || ooffset > (long) other.count - len) {
            return false;
        }
        char[] ta = value;
        char[] pa = other.value;
        int to = offset + toffset;
        int po = other.offset + ooffset;
        while (len-- > 0) {
            char c1 = ta[to++];
            char c2 = pa[po++];
            if (c1 == c2) {
                continue;
            }
            if (ignoreCase) {
                char u1 = Character.toUpperCase(c1);
                char u2 = Character.toUpperCase(c2);
                if (u1 == u2 || Character.toLowerCase(u1) == Character.toLowerCase(u2)) {
                    continue;
                }
            }
            return false;
        }
        return true;
    }

    public boolean startsWith(String prefix, int toffset) {
        if (toffset < 0 || toffset > count - prefix.count) {
            return false;
        }
        char[] ta = value;
        char[] pa = prefix.value;
        int to = offset + toffset;
        int po = prefix.offset;
        int pc = prefix.count;
        while (--pc >= 0) {
            if (ta[to++] != pa[po++]) {
                return false;
            }
        }
        return true;
    }

    public boolean startsWith(String prefix) {
        return startsWith(prefix, 0);
    }

    public boolean endsWith(String suffix) {
        return startsWith(suffix, count - suffix.count);
    }

    public int hashCode() {
        int h = hash;
        if (h == 0 && count > 0) {
            char[] v = value;
            int end = offset + count;
            for (int i = offset; i < end; i++) {
                h = 31 * h + v[i];
            }
            hash = h;
        }
        return h;
    }

    public int indexOf(int ch) {
        return indexOf(ch, 0);
    }

    public int indexOf(int ch, int fromIndex) {
        if (fromIndex < 0) {
            fromIndex = 0;
        }
        char[] v = value;
        int end = offset + count;
        for (int i = offset + fromIndex; i < end; i++) {
            if (v[i] == ch) {
                return i - offset;
            }
        }
        return -1;
    }

    public int lastIndexOf(int ch) {
        return lastIndexOf(ch, count - 1);
    }

    public int lastIndexOf(int ch, int fromIndex) {
        char[] v = value;
        for (int i = offset + (fromIndex >= count ? count - 1 : fromIndex); i >= offset; i--) {
            if (v[i] == ch) {
                return i - offset;
            }
        }
        return -1;
    }

    public int indexOf(String str) {
        return indexOf(str, 0);
    }

    public int indexOf(String str, int fromIndex) {
        if (fromIndex >= count) {
            return str.count == 0 ? count : -1;
        }
        if (fromIndex < 0) {
            fromIndex = 0;
        }
        if (str.count == 0) {
            return fromIndex;
        }
        char[] v = value;
        char[] t = str.value;
        char first = t[str.offset];
        int max = offset + (count - str.count);
        for (int i = offset + fromIndex; i <= max; i++) {
            if (v[i] != first) {
                continue;
            }
            int j = i + 1;
            int end = j + str.count - 1;
            int k = str.offset + 1;
            while (j < end && v[j] == t[k]) {
                j++;
                k++;
            }
            if (j == end) {
                return i - offset;
            }
        }
        return -1;
    }

    public String substring(int beginIndex) {
        return substring(beginIndex, count);
    }

    public String substring(int beginIndex, int endIndex) {
        if (beginIndex < 0 || endIndex > count || beginIndex > endIndex) {
            throw new StringIndexOutOfBoundsException("begin " + beginIndex + ", end " + endIndex
                    + ", length " + count);
        }
        if (beginIndex == 0 && endIndex == count) {
            return this;
        }
        return new String(offset + beginIndex, endIndex - beginIndex, value);
    }

    public String concat(String str) {
        if (str.count == 0) {
            return this;
        }
        char[] buf = new char[count + str.count];
        getChars(0, count, buf, 0);
        str.getChars(0, str.count, buf, count);
        return new String(0, buf.length, buf);
    }

    public String replace(char oldChar, char newChar) {
        if (oldChar == newChar || indexOf(oldChar) < 0) {
            return this;
        }
        char[] buf = new char[count];
        for (int i = 0; i < count; i++) {
            char c = value[offset + i];
            buf[i] = c == oldChar ? newChar : c;
        }
        return new String(0, count, buf);
    }

    public String toLowerCase() {
        char[] buf = new char[count];
        boolean changed = false;
        for (int i = 0; i < count; i++) {
            char c = value[offset + i];
            buf[i] = Character.toLowerCase(c);
            changed |= buf[i] != c;
        }
        return changed ? new String(0, count, buf) : this;
    }

    public String toUpperCase() {
        char[] buf = new char[count];
        boolean changed = false;
        for (int i = 0; i < count; i++) {
            char c = value[offset + i];
            buf[i] = Character.toUpperCase(c);
            changed |= buf[i] != c;
        }
        return changed ? new String(0, count, buf) : this;
    }

    public String trim() {
        int st = 0;
        int len = count;
        while (st < len && value[offset + st] <= ' ') {
            st++;
        }
        while (st < len && value[offset + len - 1] <= ' ') {
            len--;
        }
        return st > 0 || len < count ? substring(st, len) : this;
    }

    public String toString() {
        return this;
    }

    public char[] toCharArray() {
        char[] out = new char[count];
        System.arraycopy(value, offset, out, 0, count);
        return out;
    }

    public static String valueOf(Object obj) {
        return obj == null ? "null" : obj.toString();
    }

    public static String valueOf(char[] data) {
        return new String(data);
    }

    public static String valueOf(char[] data, int offset, int count) {
        return new String(data, offset, count);
    }

    public static String valueOf(boolean b) {
        return b ? "true" : "false";
    }

    public static String valueOf(char c) {
        char[] buf = {c};
        return new String(0, 1, buf);
    }

    public static String valueOf(int i) {
        return Integer.toString(i);
    }

    public static String valueOf(long l) {
        return Long.toString(l);
    }

    public static String valueOf(float f) {
        return Float.toString(f);
    }

    public static String valueOf(double d) {
        return Double.toString(d);
    }

    public native String intern();
}
