package avizad.emulator;

import java.util.LinkedHashMap;
import java.util.Locale;
import java.util.Map;

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

    private static final Map<String, Integer> NAMES = new LinkedHashMap<>();

    static {
        NAMES.put("UP", UP);
        NAMES.put("DOWN", DOWN);
        NAMES.put("LEFT", LEFT);
        NAMES.put("RIGHT", RIGHT);
        NAMES.put("FIRE", FIRE);
        NAMES.put("SELECT", FIRE);
        NAMES.put("SOFT1", SOFT1);
        NAMES.put("SOFT2", SOFT2);
        NAMES.put("LSOFT", SOFT1);
        NAMES.put("RSOFT", SOFT2);
        for (int i = 0; i <= 9; i++) {
            NAMES.put(String.valueOf(i), 48 + i);
            NAMES.put("NUM" + i, 48 + i);
        }
        NAMES.put("*", STAR);
        NAMES.put("STAR", STAR);
        NAMES.put("#", POUND);
        NAMES.put("POUND", POUND);
    }

    private Keys() {}

    /** The key code of a key name (case-insensitive) or of a decimal key code; null if neither. */
    public static Integer codeOf(String name) {
        Integer c = NAMES.get(name.toUpperCase(Locale.ROOT));
        if (c != null) {
            return c;
        }
        try {
            int v = Integer.parseInt(name);
            return v == 0 ? null : v;
        } catch (NumberFormatException e) {
            return null;
        }
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
