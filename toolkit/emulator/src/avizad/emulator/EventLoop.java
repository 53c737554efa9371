package avizad.emulator;

import java.util.ArrayDeque;
import java.util.concurrent.atomic.AtomicBoolean;

/** The MIDlet's event thread: life-cycle calls, key events, painting and serial calls. */
public final class EventLoop {
    private static final ArrayDeque<Runnable> queue = new ArrayDeque<>();
    private static volatile Thread thread;

    private EventLoop() {}

    public static void start() {
        VM.startSystemThread(EventLoop::loop, "MIDlet events");
    }

    public static void post(Runnable r) {
        synchronized (queue) {
            queue.addLast(r);
        }
        Thread t = thread;
        if (t != null) {
            VM.unpark(t);
        }
    }

    public static boolean isEventThread() {
        return Thread.currentThread() == thread;
    }

    /** Runs r on the event thread and returns when it has run. */
    public static void runAndWait(Runnable r) {
        if (isEventThread()) {
            r.run();
            return;
        }
        Thread me = Thread.currentThread();
        AtomicBoolean done = new AtomicBoolean();
        post(() -> {
            try {
                r.run();
            } finally {
                done.set(true);
                VM.unpark(me);
            }
        });
        while (!done.get()) {
            VM.park();
        }
    }

    private static void loop() {
        thread = Thread.currentThread();
        while (true) {
            Runnable r;
            synchronized (queue) {
                r = queue.pollFirst();
            }
            if (r == null) {
                VM.park();
                continue;
            }
            try {
                r.run();
            } catch (Throwable e) {
                VM.fail(e);
            }
        }
    }
}
