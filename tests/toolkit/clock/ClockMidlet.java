import java.util.Date;
import java.util.Random;
import java.util.Timer;
import java.util.TimerTask;
import javax.microedition.midlet.MIDlet;

/**
 * Prints what the MIDlet sees of time and threads (sleep, Thread subclasses, join, Timer,
 * wait and notify), then ends: the emulator's virtual clock must make every line the same on
 * every run.
 */
public class ClockMidlet extends MIDlet implements Runnable {
    private long start;
    private final StringBuffer ticks = new StringBuffer();

    /** A thread subclass: its start, isAlive and join go through the emulator too. */
    static class Worker extends Thread {
        long finished;
        boolean current;

        public void run() {
            current = Thread.currentThread() == this;
            try {
                Thread.sleep(250);
            } catch (InterruptedException e) {
                return;
            }
            finished = System.currentTimeMillis();
        }
    }

    protected void startApp() {
        new Thread(this).start();
    }

    private long now() {
        return System.currentTimeMillis() - start;
    }

    public void run() {
        try {
            start = System.currentTimeMillis();
            System.out.println("start " + start + " date " + new Date().getTime());
            Thread.sleep(1000);
            Thread.sleep(500);
            System.out.println("slept " + now());
            Worker w = new Worker();
            w.start();
            System.out.println("worker alive " + w.isAlive());
            w.join();
            System.out.println("worker done " + (w.finished - start) + " alive " + w.isAlive()
                    + " current " + w.current);
            final Timer timer = new Timer();
            final long base = now();
            timer.schedule(new TimerTask() {
                public void run() {
                    synchronized (ticks) {
                        ticks.append(' ').append(now() - base);
                    }
                }
            }, 100, 200);
            Thread.sleep(750);
            timer.cancel();
            synchronized (ticks) {
                System.out.println("timer" + ticks);
            }
            Random r = new Random();
            System.out.println("random " + r.nextInt(1000) + " " + r.nextInt(1000));
            long t = System.currentTimeMillis();
            while (System.currentTimeMillis() - t < 20) {
                // waits for the clock without sleeping
            }
            System.out.println("busy wait done");
            final Object lock = new Object();
            final int[] box = new int[1];
            final long[] got = new long[1];
            final long before = now();
            Thread consumer = new Thread() {
                public void run() {
                    synchronized (lock) {
                        while (box[0] == 0) {
                            try {
                                lock.wait();
                            } catch (InterruptedException e) {
                                return;
                            }
                        }
                        got[0] = now() - before;
                    }
                }
            };
            consumer.start();
            Thread.sleep(100);
            synchronized (lock) {
                box[0] = 7;
                lock.notify();
            }
            consumer.join();
            System.out.println("notified " + box[0] + " after " + got[0]);
            long t0 = now();
            synchronized (lock) {
                lock.wait(250);
            }
            System.out.println("waited " + (now() - t0));
            notifyDestroyed();
        } catch (InterruptedException e) {
            System.out.println("interrupted");
        }
    }

    protected void pauseApp() {
    }

    protected void destroyApp(boolean unconditional) {
    }
}
