package java.util;

/** A task of a Timer, run on the machine's clock. */
public abstract class TimerTask implements Runnable {
    final Object lock = new Object();
    boolean scheduled;
    boolean cancelled;
    long nextTime;
    long period;
    boolean fixedRate;
    long lastScheduled;

    protected TimerTask() {
    }

    public abstract void run();

    public boolean cancel() {
        synchronized (lock) {
            boolean pending = scheduled && !cancelled && (period != 0 || nextTime >= 0);
            cancelled = true;
            return pending;
        }
    }

    public long scheduledExecutionTime() {
        synchronized (lock) {
            return lastScheduled;
        }
    }
}
