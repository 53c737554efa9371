package avizad.emulator;

/** The MIDlet's java.util.TimerTask, scheduled on the emulator's clock by {@link VTimer}. */
public abstract class VTimerTask implements Runnable {
    final Object lock = new Object();
    boolean scheduled;
    boolean cancelled;
    long nextTime;
    long period;
    boolean fixedRate;
    long lastScheduled;

    protected VTimerTask() {}

    @Override
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
