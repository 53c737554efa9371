package avizad.emulator;

import java.util.ArrayList;
import java.util.Date;
import java.util.List;

/**
 * The MIDlet's java.util.Timer: one background thread that runs its tasks in time order, on the
 * emulator's clock (virtual in headless runs).
 */
public class VTimer {
    private final List<VTimerTask> tasks = new ArrayList<>();
    private boolean cancelled;
    private Thread thread;
    private volatile Thread realThread;

    public VTimer() {}

    public void cancel() {
        synchronized (tasks) {
            cancelled = true;
            tasks.clear();
        }
    }

    public void schedule(VTimerTask task, long delay) {
        checkDelay(delay);
        add(task, VM.currentTimeMillis() + delay, 0, false);
    }

    public void schedule(VTimerTask task, Date time) {
        add(task, time.getTime(), 0, false);
    }

    public void schedule(VTimerTask task, long delay, long period) {
        checkDelay(delay);
        checkPeriod(period);
        add(task, VM.currentTimeMillis() + delay, period, false);
    }

    public void schedule(VTimerTask task, Date first, long period) {
        checkPeriod(period);
        add(task, first.getTime(), period, false);
    }

    public void scheduleAtFixedRate(VTimerTask task, long delay, long period) {
        checkDelay(delay);
        checkPeriod(period);
        add(task, VM.currentTimeMillis() + delay, period, true);
    }

    public void scheduleAtFixedRate(VTimerTask task, Date first, long period) {
        checkPeriod(period);
        add(task, first.getTime(), period, true);
    }

    private static void checkDelay(long delay) {
        if (delay < 0) {
            throw new IllegalArgumentException("Negative delay.");
        }
    }

    private static void checkPeriod(long period) {
        if (period <= 0) {
            throw new IllegalArgumentException("Non-positive period.");
        }
    }

    private void add(VTimerTask task, long time, long period, boolean fixedRate) {
        if (time < 0) {
            throw new IllegalArgumentException("Illegal execution time.");
        }
        synchronized (tasks) {
            if (cancelled) {
                throw new IllegalStateException("Timer already cancelled.");
            }
            synchronized (task.lock) {
                if (task.scheduled || task.cancelled) {
                    throw new IllegalStateException("Task already scheduled or cancelled");
                }
                task.scheduled = true;
                task.nextTime = time;
                task.period = period;
                task.fixedRate = fixedRate;
            }
            tasks.add(task);
            if (thread == null) {
                thread = VM.startSystemThread(this::loop, "Timer");
            }
        }
        Thread t = realThread;
        if (t != null) {
            VM.unpark(t);
        }
    }

    private void loop() {
        realThread = Thread.currentThread();
        while (true) {
            VTimerTask due = null;
            long wait;
            synchronized (tasks) {
                if (cancelled) {
                    return;
                }
                tasks.removeIf(t -> {
                    synchronized (t.lock) {
                        return t.cancelled;
                    }
                });
                long now = VM.currentTimeMillis();
                long earliest = Long.MAX_VALUE;
                for (VTimerTask t : tasks) {
                    if (t.nextTime < earliest) {
                        earliest = t.nextTime;
                        due = t;
                    }
                }
                if (due == null) {
                    wait = -1;
                } else if (earliest > now) {
                    wait = earliest - now;
                    due = null;
                } else {
                    wait = 0;
                    synchronized (due.lock) {
                        due.lastScheduled = due.nextTime;
                        if (due.period == 0) {
                            tasks.remove(due);
                            due.nextTime = -1;
                        } else if (due.fixedRate) {
                            due.nextTime += due.period;
                        } else {
                            due.nextTime = now + due.period;
                        }
                    }
                }
            }
            if (due != null) {
                due.run();
                VM.yield();
            } else if (wait < 0) {
                VM.park();
            } else {
                try {
                    VM.sleep(Math.min(wait, 10));
                } catch (InterruptedException e) {
                    return;
                }
            }
        }
    }
}
