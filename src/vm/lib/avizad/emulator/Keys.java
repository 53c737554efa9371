package avizad.emulator;

/** The phone's keys and their MIDP key codes. */
public final class Keys {
    public static final int UP = -1;
    public static final int DOWN = -2;
    public static final int LEFT = -3;
    public static final int RIGHT = -4;
    public static final int FIRE = -5;
    public static final int SOFT1 = -6;
    public static final int SOFT2 = -7;
    public static final int STAR = 42;
    public static final int POUND = 35;

    private Keys() {
    }

    /** The name a phone shows for a key code. */
    public static String nameOf(int code) {
        switch (code) {
            case UP: return "Up";
            case DOWN: return "Down";
            case LEFT: return "Left";
            case RIGHT: return "Right";
            case FIRE: return "Select";
            case SOFT1: return "Soft1";
            case SOFT2: return "Soft2";
            case STAR: return "*";
            case POUND: return "#";
            default:
                if (code >= 48 && code <= 57) {
                    return String.valueOf((char) code);
                }
                return null;
        }
    }
}
