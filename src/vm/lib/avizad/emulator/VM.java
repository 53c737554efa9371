package avizad.emulator;

/** The clock and the threads, as the library sees them: the machine's own. */
public final class VM {
    private VM() {
    }

    public static boolean isVirtual() {
        return true;
    }

    public static long currentTimeMillis() {
        return System.currentTimeMillis();
    }

    public static void sleep(long millis) throws InterruptedException {
        Thread.sleep(millis);
    }

    public static void yield() {
        Thread.yield();
    }

    public static void frameShown() {
        avizad.vm.VM.frameShown();
    }

    public static void park() {
        avizad.vm.VM.park();
    }

    public static void unpark(Thread t) {
        avizad.vm.VM.unpark(t);
    }

    /** Starts a library thread that takes part in the scheduling (event thread, timers). */
    public static Thread startSystemThread(Runnable r, String name) {
        Thread t = new Thread(r, name);
        t.start();
        return t;
    }
}
