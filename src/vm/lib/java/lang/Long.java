package java.lang;

public final class Long {
    public static final long MIN_VALUE = 0x8000000000000000L;
    public static final long MAX_VALUE = 0x7fffffffffffffffL;
    private final long value;

    public Long(long value) {
        this.value = value;
    }

    public static String toString(long i, int radix) {
        if (radix < Character.MIN_RADIX || radix > Character.MAX_RADIX) {
            radix = 10;
        }
        char[] buf = new char[65];
        int charPos = 64;
        boolean negative = i < 0;
        if (!negative) {
            i = -i;
        }
        while (i <= -radix) {
            buf[charPos--] = Integer.DIGITS[(int) (-(i % radix))];
            i = i / radix;
        }
        buf[charPos] = Integer.DIGITS[(int) (-i)];
        if (negative) {
            buf[--charPos] = '-';
        }
        return new String(buf, charPos, 65 - charPos);
    }

    public static String toString(long i) {
        return toString(i, 10);
    }

    public static long parseLong(String s, int radix) throws NumberFormatException {
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
        long limit = -MAX_VALUE;
        if (len <= 0) {
            throw Integer.forInput(s, radix);
        }
        char first = s.charAt(0);
        if (first < '0') {
            if (first == '-') {
                negative = true;
                limit = MIN_VALUE;
            } else if (first != '+') {
                throw Integer.forInput(s, radix);
            }
            if (len == 1) {
                throw Integer.forInput(s, radix);
            }
            i++;
        }
        long multmin = limit / radix;
        long result = 0;
        while (i < len) {
            int digit = Character.digit(s.charAt(i++), radix);
            if (digit < 0 || result < multmin) {
                throw Integer.forInput(s, radix);
            }
            result *= radix;
            if (result < limit + digit) {
                throw Integer.forInput(s, radix);
            }
            result -= digit;
        }
        return negative ? result : -result;
    }

    public static long parseLong(String s) throws NumberFormatException {
        return parseLong(s, 10);
    }

    public static Long valueOf(long l) {
        return new Long(l);
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
        return (int) (value ^ (value >>> 32));
    }

    public boolean equals(Object obj) {
        return obj instanceof Long && value == ((Long) obj).value;
    }
}
