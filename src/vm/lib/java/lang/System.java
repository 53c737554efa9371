package java.lang;

import java.io.PrintStream;

public final class System {
    public static final PrintStream out = new PrintStream(new avizad.vm.Console(false));
    public static final PrintStream err = new PrintStream(new avizad.vm.Console(true));

    private System() {
    }

    public static native long currentTimeMillis();

    public static native void arraycopy(Object src, int srcPos, Object dest, int destPos,
            int length);

    public static native int identityHashCode(Object x);

    public static String getProperty(String key) {
        if (key == null) {
            throw new NullPointerException("key can't be null");
        }
        if (key.length() == 0) {
            throw new IllegalArgumentException("key can't be empty");
        }
        return avizad.vm.VM.systemProperty(key);
    }

    public static void exit(int status) {
        Runtime.getRuntime().exit(status);
    }

    public static void gc() {
        Runtime.getRuntime().gc();
    }
}
