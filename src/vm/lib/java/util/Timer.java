package java.util;

/** One background thread that runs its tasks in time order, on the machine's clock. */
public class Timer {
    private final Vector tasks = new Vector();
    private boolean cancelled;
    private Thread thread;
    private Thread running;

    public Timer() {
    }

    public void cancel() {
        synchronized (tasks) {
            cancelled = true;
            tasks.removeAllElements();
        }
    }

    public void schedule(TimerTask task, long delay) {
        checkDelay(delay);
        add(task, System.currentTimeMillis() + delay, 0, false);
    }

    public void schedule(TimerTask task, Date time) {
        add(task, time.getTime(), 0, false);
    }

    public void schedule(TimerTask task, long delay, long period) {
        checkDelay(delay);
        checkPeriod(period);
        add(task, System.currentTimeMillis() + delay, period, false);
    }

    public void schedule(TimerTask task, Date first, long period) {
        checkPeriod(period);
        add(task, first.getTime(), period, false);
    }

    public void scheduleAtFixedRate(TimerTask task, long delay, long period) {
        checkDelay(delay);
        checkPeriod(period);
        add(task, System.currentTimeMillis() + delay, period, true);
    }

    public void scheduleAtFixedRate(TimerTask task, Date first, long period) {
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

    private void add(TimerTask task, long time, long period, boolean fixedRate) {
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
            tasks.addElement(task);
            if (thread == null) {
                thread = new Thread(new Runnable() {
                    public void run() {
                        loop();
                    }
                }, "Timer");
                thread.start();
            }
        }
        Thread t = running;
        if (t != null) {
            avizad.vm.VM.unpark(t);
        }
    }

    private void loop() {
        running = Thread.currentThread();
        while (true) {
            TimerTask due = null;
            long wait;
            synchronized (tasks) {
                if (cancelled) {
                    return;
                }
                for (int i = tasks.size() - 1; i >= 0; i--) {
                    TimerTask t = (TimerTask) tasks.elementAt(i);
                    synchronized (t.lock) {
                        if (t.cancelled) {
                            tasks.removeElementAt(i);
                        }
                    }
                }
                long now = System.currentTimeMillis();
                long earliest = Long.MAX_VALUE;
                for (int i = 0; i < tasks.size(); i++) {
                    TimerTask t = (TimerTask) tasks.elementAt(i);
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
                            tasks.removeElement(due);
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
                Thread.yield();
            } else if (wait < 0) {
                avizad.vm.VM.park();
            } else {
                try {
                    Thread.sleep(Math.min(wait, 10));
                } catch (InterruptedException e) {
                    return;
                }
            }
        }
    }
}
