package java.lang;

public class Thread implements Runnable {
    public static final int MIN_PRIORITY = 1;
    public static final int NORM_PRIORITY = 5;
    public static final int MAX_PRIORITY = 10;
    private static int threadNumber;

    private Runnable target;
    private String name;
    private int priority = NORM_PRIORITY;

    public Thread() {
        this(null, null);
    }

    public Thread(Runnable target) {
        this(target, null);
    }

    public Thread(String name) {
        this(null, name);
    }

    public Thread(Runnable target, String name) {
        this.target = target;
        this.name = name != null ? name : "Thread-" + nextNumber();
    }

    private static synchronized int nextNumber() {
        return threadNumber++;
    }

    public void run() {
        if (target != null) {
            target.run();
        }
    }

    public synchronized void start() {
        start0();
    }

    private native void start0();

    public static native Thread currentThread();

    public static native void yield();

    public static void sleep(long millis) throws InterruptedException {
        if (millis < 0) {
            throw new IllegalArgumentException("timeout value is negative");
        }
        sleep0(millis);
    }

    private static native void sleep0(long millis) throws InterruptedException;

    public final native boolean isAlive();

    public final native void join() throws InterruptedException;

    public void interrupt() {
        interrupt0();
    }

    private native void interrupt0();

    public static native int activeCount();

    public final void setPriority(int newPriority) {
        if (newPriority > MAX_PRIORITY || newPriority < MIN_PRIORITY) {
            throw new IllegalArgumentException();
        }
        priority = newPriority;
    }

    public final int getPriority() {
        return priority;
    }

    public final String getName() {
        return name;
    }

    public String toString() {
        return "Thread[" + getName() + "," + getPriority() + ",main]";
    }
}
