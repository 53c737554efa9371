package avizad.emulator;

/**
 * What the machine needs from the user interface package: implemented inside
 * javax.microedition.lcdui, which registers itself when its Display class is initialised.
 */
public abstract class LcduiAccess {
    public static final int KEY_PRESSED = 0;
    public static final int KEY_RELEASED = 1;
    public static final int KEY_REPEATED = 2;
    private static LcduiAccess access;

    public abstract void keyEvent(int type, int code);

    public abstract int keyStates(Object canvas);

    public abstract void flush(Object canvas, Object image, int x, int y, int width, int height);

    public abstract void setSuppressKeys(Object canvas, boolean suppress);

    public abstract void repaintScreen();

    public abstract void hideCurrent();

    public abstract void showCurrent();

    public static LcduiAccess get() {
        if (access == null) {
            try {
                Class.forName("javax.microedition.lcdui.Display");
            } catch (ClassNotFoundException e) {
                throw new IllegalStateException(e.toString());
            }
        }
        return access;
    }

    public static void register(LcduiAccess a) {
        access = a;
    }
}
