package avizad.vm;

/** The machine's services to its own library: the scheduler, the device, the suite. */
public final class VM {
    private VM() {
    }

    public static native void park();

    public static native void unpark(Thread t);

    /** A picture was shown; a loop that never sleeps gives the turn to the others. */
    public static native void frameShown();

    /** Counts the frame, plays the key script's events due, ends the run at its last frame. */
    public static native void frameDone();

    public static native void post(Object event);

    public static native Object poll();

    public static native void setEventThread();

    public static native boolean isEventThread();

    public static native void exit(int status);

    public static native long randomSeed();

    public static native byte[] resource(String name);

    public static native String property(String key);

    public static native String systemProperty(String key);

    public static native int screenWidth();

    public static native int screenHeight();

    public static native void setScreen(int[] pixels);

    public static native void startScript();

    public static native void print(byte[] b, int off, int len, boolean error);

    public static native void fail(Throwable t);

    public static native void playSound(int player, byte[] data, String type, int loops,
            long fromMicros);

    public static native void stopSound(int player);

    /** A record store's bytes, or null when there is none. */
    public static native byte[] loadStore(String name);

    public static native void saveStore(String name, byte[] bytes);

    public static native boolean deleteStore(String name);

    /** The names of the record stores in order, or null when there are none. */
    public static native String[] listStores();

    /** Delivers a key event of the script to the current displayable (event thread). */
    public static void keyEvent(Object event) {
        KeyEvent k = (KeyEvent) event;
        avizad.emulator.LcduiAccess.get().keyEvent(k.type, k.code);
    }
}
