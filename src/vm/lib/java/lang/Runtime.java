package java.lang;

public class Runtime {
    private static final Runtime RUNTIME = new Runtime();

    private Runtime() {
    }

    public static Runtime getRuntime() {
        return RUNTIME;
    }

    /** A MIDlet ends through notifyDestroyed; System.exit ends the machine as it would. */
    public void exit(int status) {
        avizad.vm.VM.exit(status);
    }

    public native long freeMemory();

    public native long totalMemory();

    public native void gc();
}
