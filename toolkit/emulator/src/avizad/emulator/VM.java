package avizad.emulator;

import java.util.ArrayDeque;
import java.util.HashMap;
import java.util.HashSet;
import java.util.Map;
import java.util.Set;
import java.util.TreeSet;
import java.util.concurrent.locks.LockSupport;

/**
 * The clock and the threads of the MIDlet.
 *
 * <p>The game's calls of System.currentTimeMillis, Thread.sleep, Thread.start, Object.wait and
 * friends are redirected here when its classes are loaded (see {@link GameLoader}). In real-time
 * mode they go straight to the Java SE library. In virtual mode (headless runs) time is virtual
 * and only one MIDlet thread runs at a time: a thread gives the turn away when it sleeps, yields,
 * waits, ends or waits for an event, and the clock jumps to the next wake-up time when no thread
 * is ready. Two runs with the same input therefore take the same course.
 *
 * <p>A thread that blocks outside this class (on a monitor held by a MIDlet thread that gave its
 * turn away, in input or output) while it has the turn is set aside by a watchdog after a short
 * real-time delay; it takes a turn again at its next call into this class.
 */
public final class VM {
    /** The virtual clock starts at 2010-01-01 00:00:00 UTC. */
    public static final long EPOCH = 1262304000000L;

    private static final Object LOCK = new Object();
    private static volatile boolean virtual;
    private static long now = EPOCH;
    private static long sequence;
    private static long switches;
    private static Thread running;
    private static final ArrayDeque<Thread> ready = new ArrayDeque<>();
    private static final TreeSet<Sleeper> sleepers = new TreeSet<>();
    private static final Map<Thread, Sleeper> sleeping = new HashMap<>();
    private static final Set<Thread> parked = new HashSet<>();
    private static final Set<Thread> permits = new HashSet<>();
    private static final Set<Thread> inTurnWait = new HashSet<>();
    private static final Set<Thread> detached = new HashSet<>();
    private static final Set<Thread> interrupted = new HashSet<>();
    /** The real thread that runs a MIDlet Thread object, and back. */
    private static final Map<Thread, Thread> realOf = new HashMap<>();
    private static final Map<Thread, Thread> gameOf = new HashMap<>();
    private static final Set<Thread> finished = new HashSet<>();
    private static IdleHandler idleHandler;
    private static int randomCount;

    /** Told when no MIDlet thread can run any more. */
    public interface IdleHandler {
        /** Makes something happen (returns true) or ends the run (does not return). */
        boolean onIdle();
    }

    /** A thread in the MIDlet's Object.wait. */
    private static final class Waiter {
        final Thread thread;
        final Object monitor;
        boolean woken;
        Sleeper timeout;

        Waiter(Thread thread, Object monitor) {
            this.thread = thread;
            this.monitor = monitor;
        }
    }

    private static final java.util.IdentityHashMap<Object, ArrayDeque<Waiter>> waiters =
            new java.util.IdentityHashMap<>();
    private static final Map<Thread, ArrayDeque<Thread>> joiners = new HashMap<>();

    private static final class Sleeper implements Comparable<Sleeper> {
        final long wake;
        final long order;
        final Thread thread;
        /** Set when the sleep is the timeout of an Object.wait. */
        Waiter waiter;

        Sleeper(long wake, long order, Thread thread) {
            this.wake = wake;
            this.order = order;
            this.thread = thread;
        }

        @Override
        public int compareTo(Sleeper o) {
            if (wake != o.wake) {
                return wake < o.wake ? -1 : 1;
            }
            return Long.compare(order, o.order);
        }
    }

    private VM() {}

    /** Switches to virtual time; the calling thread holds the first turn. */
    public static void useVirtualTime(IdleHandler handler) {
        synchronized (LOCK) {
            virtual = true;
            idleHandler = handler;
            running = Thread.currentThread();
        }
        Thread dog = new Thread(VM::watchdog, "emulator-watchdog");
        dog.setDaemon(true);
        dog.start();
    }

    /** The calling thread (the launcher) gives its turn away for good. */
    public static void leave() {
        if (!virtual) {
            return;
        }
        synchronized (LOCK) {
            if (running == Thread.currentThread()) {
                dispatch();
            }
        }
    }

    public static boolean isVirtual() {
        return virtual;
    }

    // ---------------------------------------------------------------- redirected library calls

    public static long currentTimeMillis() {
        if (!virtual) {
            return System.currentTimeMillis();
        }
        Thread me = Thread.currentThread();
        synchronized (LOCK) {
            if (++spins > SPIN_LIMIT && running == me) {
                // A thread that waits for the clock without sleeping: let time pass, one
                // millisecond a call, and let the threads whose time has come run.
                now++;
                if ((!ready.isEmpty() || (!sleepers.isEmpty() && sleepers.first().wake <= now))
                        && !holdsMonitors()) {
                    ready.addLast(me);
                    dispatch();
                    awaitTurn(me);
                }
            }
            return now;
        }
    }

    /**
     * Called when a thread has shown a frame. A thread that shows frames without ever sleeping
     * or waiting gives the turn to the others after each frame from its second on, so key
     * events still reach a game loop that never sleeps. (Games that sleep every frame are not
     * interrupted here, which keeps them clear of monitors they may hold while drawing.)
     */
    public static void frameShown() {
        if (!virtual) {
            return;
        }
        boolean busy;
        synchronized (LOCK) {
            busy = ++framesAwake > 1;
        }
        if (busy && !holdsMonitors()) {
            VM.yield();
        }
    }

    /**
     * Whether the calling thread holds a monitor besides the scheduler's: handing the turn away
     * then could leave the next thread blocked on it.
     */
    private static boolean holdsMonitors() {
        java.lang.management.ThreadInfo[] info = java.lang.management.ManagementFactory
                .getThreadMXBean().getThreadInfo(new long[] {Thread.currentThread().getId()},
                        true, false);
        if (info.length == 0 || info[0] == null) {
            return false;
        }
        int mine = System.identityHashCode(LOCK);
        for (java.lang.management.MonitorInfo m : info[0].getLockedMonitors()) {
            if (m.getIdentityHashCode() != mine) {
                return true;
            }
        }
        return false;
    }

    private static int framesAwake;

    /** Calls of currentTimeMillis while the clock stands still before it starts to move. */
    private static final int SPIN_LIMIT = 1000;
    private static int spins;

    /** Elapsed time since the start of the run, in milliseconds. */
    public static long uptime() {
        return currentTimeMillis() - (virtual ? EPOCH : START);
    }

    private static final long START = System.currentTimeMillis();

    public static void sleep(long millis) throws InterruptedException {
        if (millis < 0) {
            throw new IllegalArgumentException("timeout value is negative");
        }
        if (!virtual) {
            Thread.sleep(millis);
            return;
        }
        Thread me = Thread.currentThread();
        synchronized (LOCK) {
            attach(me);
            if (interrupted.remove(me)) {
                throw new InterruptedException();
            }
            framesAwake = 0;
            Sleeper s = new Sleeper(now + millis, sequence++, me);
            sleepers.add(s);
            sleeping.put(me, s);
            dispatch();
            awaitTurn(me);
            if (interrupted.remove(me)) {
                throw new InterruptedException();
            }
        }
    }

    public static void yield() {
        if (!virtual) {
            Thread.yield();
            return;
        }
        Thread me = Thread.currentThread();
        synchronized (LOCK) {
            attach(me);
            ready.addLast(me);
            dispatch();
            awaitTurn(me);
        }
    }

    /** Starts a MIDlet thread (the game's Thread.start()). */
    public static void start(Thread t) {
        if (!virtual) {
            t.start();
            return;
        }
        Thread me = Thread.currentThread();
        synchronized (LOCK) {
            attach(me);
            if (realOf.containsKey(t)) {
                throw new IllegalThreadStateException();
            }
            Thread real = new Thread(() -> runManaged(t), t.getName());
            real.setDaemon(true);
            realOf.put(t, real);
            gameOf.put(real, t);
            ready.addLast(real);
            real.start();
        }
    }

    /** Starts an emulator thread that takes part in the scheduling (event thread, timers). */
    public static Thread startSystemThread(Runnable r, String name) {
        Thread t = new Thread(r, name);
        t.setDaemon(true);
        start(t);
        return t;
    }

    private static void runManaged(Thread t) {
        Thread me = Thread.currentThread();
        synchronized (LOCK) {
            awaitTurn(me);
        }
        try {
            t.run();
        } catch (Throwable e) {
            fail(e);
        } finally {
            synchronized (LOCK) {
                finished.add(t);
                ArrayDeque<Thread> waiting = joiners.remove(t);
                if (waiting != null) {
                    ready.addAll(waiting);
                }
                if (detached.remove(me)) {
                    if (running == null) {
                        dispatch();
                    }
                } else if (running == me) {
                    dispatch();
                }
                LOCK.notifyAll();
            }
        }
    }

    public static Thread currentThread() {
        Thread me = Thread.currentThread();
        if (!virtual) {
            return me;
        }
        synchronized (LOCK) {
            Thread g = gameOf.get(me);
            return g != null ? g : me;
        }
    }

    public static boolean isAlive(Thread t) {
        if (!virtual) {
            return t.isAlive();
        }
        synchronized (LOCK) {
            return realOf.containsKey(t) && !finished.contains(t);
        }
    }

    public static void join(Thread t) throws InterruptedException {
        if (!virtual) {
            t.join();
            return;
        }
        Thread me = Thread.currentThread();
        synchronized (LOCK) {
            attach(me);
            if (!realOf.containsKey(t) || finished.contains(t)) {
                return;
            }
            joiners.computeIfAbsent(t, k -> new ArrayDeque<>()).addLast(me);
            framesAwake = 0;
            dispatch();
            awaitTurn(me);
        }
    }

    // ---------------------------------------------------------------- Object.wait and notify

    public static void waitOn(Object monitor, long millis) throws InterruptedException {
        if (millis < 0) {
            throw new IllegalArgumentException("timeout value is negative");
        }
        if (!virtual) {
            monitor.wait(millis);
            return;
        }
        if (!Thread.holdsLock(monitor)) {
            throw new IllegalMonitorStateException("current thread is not owner");
        }
        Thread me = Thread.currentThread();
        Waiter w = new Waiter(me, monitor);
        synchronized (LOCK) {
            attach(me);
            waiters.computeIfAbsent(monitor, k -> new ArrayDeque<>()).addLast(w);
            if (millis > 0) {
                Sleeper s = new Sleeper(now + millis, sequence++, me);
                s.waiter = w;
                w.timeout = s;
                sleepers.add(s);
                sleeping.put(me, s);
            }
            framesAwake = 0;
            dispatch();
        }
        // The monitor is released while the thread waits to be picked again.
        synchronized (LOCK) {
            inTurnWait.add(me);
        }
        try {
            while (true) {
                synchronized (LOCK) {
                    if (w.woken) {
                        break;
                    }
                }
                monitor.wait(5);
            }
        } finally {
            synchronized (LOCK) {
                inTurnWait.remove(me);
            }
        }
        synchronized (LOCK) {
            awaitTurn(me);
        }
    }

    public static void waitOn(Object monitor, long millis, int nanos) throws InterruptedException {
        if (nanos < 0 || nanos > 999999) {
            throw new IllegalArgumentException("nanosecond timeout value out of range");
        }
        waitOn(monitor, millis + (nanos > 0 ? 1 : 0));
    }

    public static void waitOn(Object monitor) throws InterruptedException {
        waitOn(monitor, 0L);
    }

    public static void notifyOn(Object monitor) {
        wake(monitor, false);
    }

    public static void notifyAllOn(Object monitor) {
        wake(monitor, true);
    }

    private static void wake(Object monitor, boolean all) {
        if (!virtual) {
            if (all) {
                monitor.notifyAll();
            } else {
                monitor.notify();
            }
            return;
        }
        if (!Thread.holdsLock(monitor)) {
            throw new IllegalMonitorStateException("current thread is not owner");
        }
        synchronized (LOCK) {
            ArrayDeque<Waiter> q = waiters.get(monitor);
            while (q != null && !q.isEmpty()) {
                Waiter w = q.pollFirst();
                woken(w);
                ready.addLast(w.thread);
                if (!all) {
                    break;
                }
            }
            if (q != null && q.isEmpty()) {
                waiters.remove(monitor);
            }
        }
        monitor.notifyAll();
    }

    /** Marks a waiter as picked (LOCK held). */
    private static void woken(Waiter w) {
        w.woken = true;
        if (w.timeout != null) {
            sleepers.remove(w.timeout);
            sleeping.remove(w.thread);
        }
        ArrayDeque<Waiter> q = waiters.get(w.monitor);
        if (q != null) {
            q.remove(w);
            if (q.isEmpty()) {
                waiters.remove(w.monitor);
            }
        }
    }

    public static void interrupt(Thread t) {
        if (!virtual) {
            t.interrupt();
            return;
        }
        synchronized (LOCK) {
            Thread real = realOf.get(t);
            if (real == null || finished.contains(t)) {
                return;
            }
            interrupted.add(real);
            Sleeper s = sleeping.remove(real);
            if (s != null) {
                sleepers.remove(s);
                ready.addLast(real);
            }
        }
    }

    /** The seed of a `new Random()`: fixed per creation in virtual mode. */
    public static long randomSeed() {
        if (!virtual) {
            return System.nanoTime() ^ 0x5DEECE66DL;
        }
        synchronized (LOCK) {
            return 20100101L + 7919L * randomCount++;
        }
    }

    public static java.util.Calendar calendar() {
        java.util.Calendar c = java.util.Calendar.getInstance();
        c.setTime(new java.util.Date(currentTimeMillis()));
        return c;
    }

    public static java.util.Calendar calendar(java.util.TimeZone zone) {
        java.util.Calendar c = java.util.Calendar.getInstance(zone);
        c.setTime(new java.util.Date(currentTimeMillis()));
        return c;
    }

    // ---------------------------------------------------------------- park and unpark

    /** Blocks the calling thread until {@link #unpark} is called for it (or was called before). */
    public static void park() {
        Thread me = Thread.currentThread();
        if (!virtual) {
            synchronized (LOCK) {
                while (!permits.remove(me)) {
                    try {
                        LOCK.wait();
                    } catch (InterruptedException e) {
                        // keep waiting for the permit
                    }
                }
            }
            return;
        }
        synchronized (LOCK) {
            attach(me);
            if (permits.remove(me)) {
                return;
            }
            framesAwake = 0;
            parked.add(me);
            dispatch();
            awaitTurn(me);
        }
    }

    public static void unpark(Thread t) {
        synchronized (LOCK) {
            if (!virtual) {
                permits.add(t);
                LOCK.notifyAll();
                return;
            }
            if (parked.remove(t)) {
                ready.addLast(t);
            } else {
                permits.add(t);
            }
        }
        LockSupport.unpark(t);
    }

    // ---------------------------------------------------------------- scheduling (LOCK held)

    private static void attach(Thread me) {
        if (detached.remove(me)) {
            if (running == null) {
                running = me;
                switches++;
            } else {
                ready.addLast(me);
                awaitTurn(me);
            }
        }
    }

    /** Hands the turn to the next thread; the caller must already be queued or parked. */
    private static void dispatch() {
        switches++;
        while (true) {
            while (!sleepers.isEmpty() && sleepers.first().wake <= now) {
                Sleeper s = sleepers.pollFirst();
                sleeping.remove(s.thread);
                if (s.waiter != null) {
                    woken(s.waiter);
                }
                ready.addLast(s.thread);
            }
            Thread next = ready.pollFirst();
            if (next == null && !sleepers.isEmpty()) {
                Sleeper s = sleepers.pollFirst();
                sleeping.remove(s.thread);
                if (s.waiter != null) {
                    woken(s.waiter);
                }
                now = s.wake;
                spins = 0;
                next = s.thread;
            }
            if (next != null) {
                running = next;
                LOCK.notifyAll();
                return;
            }
            running = null;
            LOCK.notifyAll();
            if (!detached.isEmpty()) {
                return; // a thread blocked outside will take the turn when it comes back
            }
            if (idleHandler == null || !idleHandler.onIdle()) {
                return;
            }
        }
    }

    private static void awaitTurn(Thread me) {
        inTurnWait.add(me);
        try {
            while (running != me) {
                try {
                    LOCK.wait();
                } catch (InterruptedException e) {
                    // turns are handed out by the scheduler only
                }
            }
        } finally {
            inTurnWait.remove(me);
        }
    }

    /**
     * Sets aside the thread that has the turn when it has been blocked outside the scheduler for
     * three checks in a row (a tenth of a second apart) without any change of turn. A thread
     * waiting for its turn counts as blocked only on a monitor, not while it waits.
     */
    private static void watchdog() {
        Thread lastThread = null;
        long lastSwitches = -1;
        int stuckChecks = 0;
        while (true) {
            try {
                Thread.sleep(100);
            } catch (InterruptedException e) {
                return;
            }
            synchronized (LOCK) {
                Thread r = running;
                boolean stuck = false;
                if (r != null && r == lastThread && switches == lastSwitches) {
                    Thread.State st = r.getState();
                    if (st == Thread.State.TERMINATED) {
                        dispatch();
                    } else if (inTurnWait.contains(r)) {
                        stuck = st == Thread.State.BLOCKED;
                    } else {
                        stuck = st == Thread.State.BLOCKED || st == Thread.State.WAITING
                                || st == Thread.State.TIMED_WAITING;
                    }
                }
                stuckChecks = stuck ? stuckChecks + 1 : 0;
                if (stuckChecks >= 3) {
                    stuckChecks = 0;
                    detached.add(r);
                    dispatch();
                }
                lastThread = running;
                lastSwitches = switches;
            }
        }
    }

    // ---------------------------------------------------------------- failures

    private static volatile java.util.function.Consumer<Throwable> failureHook;

    /** Shows a failure to the user (in a window) before the emulator ends. */
    public static void setFailureHook(java.util.function.Consumer<Throwable> hook) {
        failureHook = hook;
    }

    /** An exception escaped the MIDlet: print it and end the emulator with a failure status. */
    public static void fail(Throwable e) {
        synchronized (System.err) {
            System.err.println("emulator: uncaught exception in the MIDlet:");
            e.printStackTrace();
            System.err.flush();
        }
        java.util.function.Consumer<Throwable> hook = failureHook;
        if (hook != null) {
            try {
                hook.accept(e);
            } catch (RuntimeException | Error ignored) {
                // the status tells the failure all the same
            }
        }
        Runtime.getRuntime().halt(1);
    }
}
