package java.lang;

public final class Character {
    public static final int MIN_RADIX = 2;
    public static final int MAX_RADIX = 36;
    public static final char MIN_VALUE = '\u0000';
    public static final char MAX_VALUE = '\uffff';
    private final char value;

    public Character(char value) {
        this.value = value;
    }

    public char charValue() {
        return value;
    }

    public int hashCode() {
        return value;
    }

    public boolean equals(Object obj) {
        return obj instanceof Character && ((Character) obj).value == value;
    }

    public String toString() {
        return String.valueOf(value);
    }

    public static boolean isLowerCase(char ch) {
        return (ch >= 'a' && ch <= 'z') || ch == '\u00aa' || ch == '\u00b5' || ch == '\u00ba'
                || (ch >= '\u00df' && ch <= '\u00ff' && ch != '\u00f7')
                || (ch >= '\u0430' && ch <= '\u045f');
    }

    public static boolean isUpperCase(char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= '\u00c0' && ch <= '\u00de' && ch != '\u00d7')
                || (ch >= '\u0400' && ch <= '\u042f');
    }

    public static boolean isDigit(char ch) {
        return (ch >= '0' && ch <= '9') || (ch >= '\u0660' && ch <= '\u0669')
                || (ch >= '\u06f0' && ch <= '\u06f9') || (ch >= '\u0966' && ch <= '\u096f')
                || (ch >= '\uff10' && ch <= '\uff19');
    }

    public static char toLowerCase(char ch) {
        if ((ch >= 'A' && ch <= 'Z') || (ch >= '\u00c0' && ch <= '\u00de' && ch != '\u00d7')
                || (ch >= '\u0410' && ch <= '\u042f')) {
            return (char) (ch + 32);
        }
        if (ch >= '\u0400' && ch <= '\u040f') {
            return (char) (ch + 80);
        }
        return ch;
    }

    public static char toUpperCase(char ch) {
        if ((ch >= 'a' && ch <= 'z') || (ch >= '\u00e0' && ch <= '\u00fe' && ch != '\u00f7')
                || (ch >= '\u0430' && ch <= '\u044f')) {
            return (char) (ch - 32);
        }
        if (ch >= '\u0450' && ch <= '\u045f') {
            return (char) (ch - 80);
        }
        if (ch == '\u00ff') {
            return '\u0178';
        }
        if (ch == '\u00b5') {
            return '\u039c';
        }
        return ch;
    }

    public static int digit(char ch, int radix) {
        if (radix < MIN_RADIX || radix > MAX_RADIX) {
            return -1;
        }
        int d = -1;
        if (ch >= '0' && ch <= '9') {
            d = ch - '0';
        } else if (ch >= 'a' && ch <= 'z') {
            d = ch - 'a' + 10;
        } else if (ch >= 'A' && ch <= 'Z') {
            d = ch - 'A' + 10;
        } else if (ch >= '\uff21' && ch <= '\uff3a') {
            d = ch - '\uff21' + 10;
        } else if (ch >= '\uff41' && ch <= '\uff5a') {
            d = ch - '\uff41' + 10;
        } else if (isDigit(ch)) {
            d = ch & 0xF;
            if (ch >= '\uff10') {
                d = ch - '\uff10';
            } else if (ch >= '\u0966') {
                d = ch - '\u0966';
            } else if (ch >= '\u06f0') {
                d = ch - '\u06f0';
            } else {
                d = ch - '\u0660';
            }
        }
        return d < radix ? d : -1;
    }
}
