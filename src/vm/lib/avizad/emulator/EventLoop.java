package avizad.emulator;

/** The MIDlet's event thread: life-cycle calls, key events, painting and serial calls. */
public final class EventLoop {
    private EventLoop() {
    }

    public static void start() {
        VM.startSystemThread(new Runnable() {
            public void run() {
                loop();
            }
        }, "MIDlet events");
    }

    public static void post(Runnable r) {
        avizad.vm.VM.post(r);
    }

    public static boolean isEventThread() {
        return avizad.vm.VM.isEventThread();
    }

    /** Runs r on the event thread and returns when it has run. */
    public static void runAndWait(final Runnable r) {
        if (isEventThread()) {
            r.run();
            return;
        }
        final Thread me = Thread.currentThread();
        final boolean[] done = new boolean[1];
        post(new Runnable() {
            public void run() {
                try {
                    r.run();
                } finally {
                    done[0] = true;
                    VM.unpark(me);
                }
            }
        });
        while (!done[0]) {
            VM.park();
        }
    }

    private static void loop() {
        avizad.vm.VM.setEventThread();
        while (true) {
            Object e = avizad.vm.VM.poll();
            if (e == null) {
                VM.park();
                continue;
            }
            try {
                if (e instanceof Runnable) {
                    ((Runnable) e).run();
                } else {
                    avizad.vm.VM.keyEvent(e);
                }
            } catch (Throwable t) {
                avizad.vm.VM.fail(t);
            }
        }
    }
}
