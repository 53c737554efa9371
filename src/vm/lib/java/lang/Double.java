package java.lang;

public final class Double {
    public static final double POSITIVE_INFINITY = 1.0 / 0.0;
    public static final double NEGATIVE_INFINITY = -1.0 / 0.0;
    public static final double NaN = 0.0d / 0.0;
    public static final double MAX_VALUE = 1.7976931348623157e+308;
    public static final double MIN_VALUE = 4.9e-324;
    private final double value;

    public Double(double value) {
        this.value = value;
    }

    public static native String toString(double d);

    public static Double valueOf(String s) throws NumberFormatException {
        return new Double(parseDouble(s));
    }

    public static double parseDouble(String s) throws NumberFormatException {
        return parse(s, false);
    }

    /** Java's decimal and hexadecimal floating-point literals, rounded once to float or double. */
    static native double parse(String s, boolean toFloat) throws NumberFormatException;

    public boolean isNaN() {
        return isNaN(value);
    }

    public static boolean isNaN(double v) {
        return v != v;
    }

    public boolean isInfinite() {
        return isInfinite(value);
    }

    public static boolean isInfinite(double v) {
        return v == POSITIVE_INFINITY || v == NEGATIVE_INFINITY;
    }

    public String toString() {
        return toString(value);
    }

    public byte byteValue() {
        return (byte) value;
    }

    public short shortValue() {
        return (short) value;
    }

    public int intValue() {
        return (int) value;
    }

    public long longValue() {
        return (long) value;
    }

    public float floatValue() {
        return (float) value;
    }

    public double doubleValue() {
        return value;
    }

    public int hashCode() {
        long bits = doubleToLongBits(value);
        return (int) (bits ^ (bits >>> 32));
    }

    public boolean equals(Object obj) {
        return obj instanceof Double
                && doubleToLongBits(((Double) obj).value) == doubleToLongBits(value);
    }

    public static long doubleToLongBits(double value) {
        return value != value ? 0x7ff8000000000000L : doubleToRawLongBits(value);
    }

    static native long doubleToRawLongBits(double value);

    public static native double longBitsToDouble(long bits);
}
