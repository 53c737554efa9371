package java.lang;

public final class Integer {
    public static final int MIN_VALUE = 0x80000000;
    public static final int MAX_VALUE = 0x7fffffff;
    static final char[] DIGITS = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b',
        'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 'q', 'r', 's', 't',
        'u', 'v', 'w', 'x', 'y', 'z'};
    private final int value;

    public Integer(int value) {
        this.value = value;
    }

    public static String toString(int i, int radix) {
        if (radix < Character.MIN_RADIX || radix > Character.MAX_RADIX) {
            radix = 10;
        }
        if (radix == 10) {
            return toString(i);
        }
        char[] buf = new char[33];
        boolean negative = i < 0;
        int charPos = 32;
        if (!negative) {
            i = -i;
        }
        while (i <= -radix) {
            buf[charPos--] = DIGITS[-(i % radix)];
            i = i / radix;
        }
        buf[charPos] = DIGITS[-i];
        if (negative) {
            buf[--charPos] = '-';
        }
        return new String(buf, charPos, 33 - charPos);
    }

    private static String toUnsignedString(int i, int shift) {
        char[] buf = new char[32];
        int charPos = 32;
        int radix = 1 << shift;
        int mask = radix - 1;
        do {
            buf[--charPos] = DIGITS[i & mask];
            i >>>= shift;
        } while (i != 0);
        return new String(buf, charPos, 32 - charPos);
    }

    public static String toHexString(int i) {
        return toUnsignedString(i, 4);
    }

    public static String toOctalString(int i) {
        return toUnsignedString(i, 3);
    }

    public static String toBinaryString(int i) {
        return toUnsignedString(i, 1);
    }

    public static String toString(int i) {
        if (i == MIN_VALUE) {
            return "-2147483648";
        }
        int size = i < 0 ? stringSize(-i) + 1 : stringSize(i);
        char[] buf = new char[size];
        getChars(i, size, buf);
        return new String(0, size, buf);
    }

    /** Writes the digits of i (not MIN_VALUE) to end just before `index`. */
    static void getChars(int i, int index, char[] buf) {
        int charPos = index;
        boolean negative = i < 0;
        if (negative) {
            i = -i;
        }
        do {
            buf[--charPos] = (char) ('0' + i % 10);
            i /= 10;
        } while (i != 0);
        if (negative) {
            buf[--charPos] = '-';
        }
    }

    /** The number of digits of a non-negative int. */
    static int stringSize(int x) {
        int p = 10;
        for (int i = 1; i < 10; i++) {
            if (x < p) {
                return i;
            }
            p = 10 * p;
        }
        return 10;
    }

    public static int parseInt(String s, int radix) throws NumberFormatException {
        if (s == null) {
            throw new NumberFormatException("Cannot parse null string: null");
        }
        if (radix < Character.MIN_RADIX) {
            throw new NumberFormatException("radix " + radix + " less than Character.MIN_RADIX");
        }
        if (radix > Character.MAX_RADIX) {
            throw new NumberFormatException("radix " + radix
                    + " greater than Character.MAX_RADIX");
        }
        boolean negative = false;
        int i = 0;
        int len = s.length();
        int limit = -MAX_VALUE;
        if (len <= 0) {
            throw forInput(s, radix);
        }
        char first = s.charAt(0);
        if (first < '0') {
            if (first == '-') {
                negative = true;
                limit = MIN_VALUE;
            } else if (first != '+') {
                throw forInput(s, radix);
            }
            if (len == 1) {
                throw forInput(s, radix);
            }
            i++;
        }
        int multmin = limit / radix;
        int result = 0;
        while (i < len) {
            int digit = Character.digit(s.charAt(i++), radix);
            if (digit < 0 || result < multmin) {
                throw forInput(s, radix);
            }
            result *= radix;
            if (result < limit + digit) {
                throw forInput(s, radix);
            }
            result -= digit;
        }
        return negative ? result : -result;
    }

    static NumberFormatException forInput(String s, int radix) {
        return new NumberFormatException("For input string: \"" + s + "\""
                + (radix == 10 ? "" : " under radix " + radix));
    }

    public static int parseInt(String s) throws NumberFormatException {
        return parseInt(s, 10);
    }

    public static Integer valueOf(String s, int radix) throws NumberFormatException {
        return new Integer(parseInt(s, radix));
    }

    public static Integer valueOf(String s) throws NumberFormatException {
        return new Integer(parseInt(s, 10));
    }

    public static Integer valueOf(int i) {
        return new Integer(i);
    }

    public byte byteValue() {
        return (byte) value;
    }

    public short shortValue() {
        return (short) value;
    }

    public int intValue() {
        return value;
    }

    public long longValue() {
        return value;
    }

    public float floatValue() {
        return value;
    }

    public double doubleValue() {
        return value;
    }

    public String toString() {
        return toString(value);
    }

    public int hashCode() {
        return value;
    }

    public boolean equals(Object obj) {
        return obj instanceof Integer && value == ((Integer) obj).value;
    }
}
