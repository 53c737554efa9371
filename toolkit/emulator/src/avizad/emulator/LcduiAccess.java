package avizad.emulator;

/**
 * What the emulator and the game package need from the user interface package: implemented inside
 * javax.microedition.lcdui, which registers itself when its Display class is initialised.
 */
public interface LcduiAccess {
    int KEY_PRESSED = 0;
    int KEY_RELEASED = 1;
    int KEY_REPEATED = 2;

    /** Delivers a key event to the current displayable (event thread). */
    void keyEvent(int type, int code);

    /** The key states of a game canvas since the last call, latched presses included. */
    int keyStates(Object canvas);

    /**
     * Copies a region of a game canvas's buffer (an Image) to the screen if the canvas is shown.
     */
    void flush(Object canvas, Object image, int x, int y, int width, int height);

    /** Whether game keys reach the canvas's keyPressed and keyReleased. */
    void setSuppressKeys(Object canvas, boolean suppress);

    /** Paints the whole screen anew (event thread). */
    void repaintScreen();

    /** The MIDlet goes to the background: the current displayable is hidden (event thread). */
    void hideCurrent();

    /** The MIDlet comes back: the current displayable is shown again (event thread). */
    void showCurrent();

    static LcduiAccess get() {
        if (Holder.access == null) {
            try {
                Class.forName("javax.microedition.lcdui.Display", true,
                        LcduiAccess.class.getClassLoader());
            } catch (ClassNotFoundException e) {
                throw new IllegalStateException(e);
            }
        }
        return Holder.access;
    }

    static void register(LcduiAccess a) {
        Holder.access = a;
    }

    /** Holds the registered implementation. */
    final class Holder {
        static volatile LcduiAccess access;

        private Holder() {}
    }
}
