package avizad.emulator;

import java.io.IOException;
import java.lang.reflect.Method;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.HashMap;
import java.util.Map;
import java.util.jar.Attributes;
import java.util.jar.JarFile;
import java.util.jar.Manifest;

/**
 * The phone emulator: runs the first MIDlet of a MIDlet suite jar.
 *
 * <pre>
 * emulator [--headless --frames N [--keys SCRIPT] [--screenshot FILE.png] [--timeout SECONDS]]
 *          [--size WIDTHxHEIGHT] [--scale N] JAR
 * </pre>
 */
public final class Main {
    private Main() {}

    private static void usage(String problem) {
        System.err.println("emulator: " + problem);
        System.err.println("usage: emulator [--headless] [--frames N] [--keys SCRIPT]"
                + " [--screenshot FILE.png] [--timeout SECONDS] [--size WxH] [--scale N] JAR");
        System.exit(2);
    }

    public static void main(String[] args) throws Exception {
        boolean headless = false;
        long frames = -1;
        Path keys = null;
        Path shot = null;
        long timeout = 300;
        int scale = 1;
        int width = 240;
        int height = 320;
        Path jar = null;
        for (int i = 0; i < args.length; i++) {
            String a = args[i];
            boolean hasValue = i + 1 < args.length;
            try {
                switch (a) {
                    case "--headless": headless = true; break;
                    case "--frames":
                        if (!hasValue) usage("--frames needs a number");
                        frames = Long.parseLong(args[++i]);
                        break;
                    case "--keys":
                        if (!hasValue) usage("--keys needs a file");
                        keys = Path.of(args[++i]);
                        break;
                    case "--screenshot":
                        if (!hasValue) usage("--screenshot needs a file");
                        shot = Path.of(args[++i]);
                        break;
                    case "--timeout":
                        if (!hasValue) usage("--timeout needs a number of seconds");
                        timeout = Long.parseLong(args[++i]);
                        break;
                    case "--scale":
                        if (!hasValue) usage("--scale needs a number");
                        scale = Integer.parseInt(args[++i]);
                        break;
                    case "--size": {
                        if (!hasValue) usage("--size needs WIDTHxHEIGHT");
                        String[] wh = args[++i].split("x");
                        width = Integer.parseInt(wh[0]);
                        height = Integer.parseInt(wh[1]);
                        break;
                    }
                    default:
                        if (a.startsWith("-") || jar != null) {
                            usage("unknown argument " + a);
                        }
                        jar = Path.of(a);
                }
            } catch (RuntimeException e) {
                usage("bad value for " + a);
            }
        }
        if (jar == null) {
            usage("no MIDlet suite jar given");
        }
        if (!Files.isRegularFile(jar)) {
            usage("no such file: " + jar);
        }
        if (width < 16 || height < 16 || scale < 1) {
            usage("bad screen size or scale");
        }
        if (!headless && (keys != null || shot != null || frames >= 0)) {
            usage("--frames, --keys and --screenshot need --headless");
        }

        Map<String, String> props = new HashMap<>();
        String midletClass;
        try (JarFile jf = new JarFile(jar.toFile())) {
            Manifest mf = jf.getManifest();
            if (mf == null) {
                usage(jar + " has no manifest");
            }
            for (Map.Entry<Object, Object> e : mf.getMainAttributes().entrySet()) {
                props.put(((Attributes.Name) e.getKey()).toString(), (String) e.getValue());
            }
        } catch (IOException e) {
            usage("cannot read " + jar + ": " + e.getMessage());
        }
        String midlet1 = props.get("MIDlet-1");
        if (midlet1 == null || midlet1.split(",").length < 3) {
            usage(jar + ": the manifest has no MIDlet-1 entry \"name, icon, class\"");
        }
        String[] parts = midlet1.split(",");
        String title = parts[0].strip();
        midletClass = parts[2].strip();

        KeyScript script = null;
        if (keys != null) {
            try {
                script = KeyScript.read(keys);
            } catch (IOException e) {
                usage("cannot read " + keys + ": " + e.getMessage());
            } catch (IllegalArgumentException e) {
                usage(e.getMessage());
            }
        }

        Sandbox.setPlatformProperties();
        Device.setSize(width, height);
        GameLoader loader = new GameLoader(jar, Main.class.getClassLoader());
        Sandbox.use(loader);
        Device.setSuite(loader, props);
        if (headless) {
            Device.setHeadless(frames, script, shot);
            startTimeout(timeout);
            VM.useVirtualTime(Device::onIdle);
        } else {
            Thread preload = new Thread(loader::preload, "preload");
            preload.setDaemon(true);
            preload.start();
            try {
                PhoneWindow.open(title, scale);
            } catch (java.awt.HeadlessException | java.awt.AWTError e) {
                usage("no display to open a window on (is DISPLAY set?); use --headless");
            } catch (java.lang.reflect.InvocationTargetException e) {
                if (e.getCause() instanceof java.awt.HeadlessException
                        || e.getCause() instanceof java.awt.AWTError) {
                    usage("no display to open a window on (is DISPLAY set?); use --headless");
                }
                throw e;
            }
        }
        Thread.setDefaultUncaughtExceptionHandler((t, e) -> VM.fail(e));
        final String cls = midletClass;
        EventLoop.start();
        EventLoop.post(() -> startMidlet(loader, cls));
        if (headless) {
            EventLoop.post(Device::startScript);
        }
        VM.leave();
        Object forever = new Object();
        synchronized (forever) {
            while (true) {
                forever.wait();
            }
        }
    }

    private static void startTimeout(long seconds) {
        if (seconds <= 0) {
            return;
        }
        Thread t = new Thread(() -> {
            try {
                Thread.sleep(seconds * 1000);
            } catch (InterruptedException e) {
                return;
            }
            System.err.println("emulator: no end after " + seconds + " s (real time); "
                    + Device.frames() + " frames shown");
            Runtime.getRuntime().halt(3);
        }, "emulator-timeout");
        t.setDaemon(true);
        t.start();
    }

    private static void startMidlet(GameLoader loader, String cls) {
        Object m;
        try {
            if (!loader.isSuiteClass(cls.replace('.', '/'))) {
                throw new ClassNotFoundException(cls + ", the MIDlet class of the manifest, is"
                        + " not a class of the MIDlet suite");
            }
            Class<?> c = Class.forName(cls, true, loader);
            if (!javax.microedition.midlet.MIDlet.class.isAssignableFrom(c)) {
                throw new InstantiationException(cls + " is not a MIDlet");
            }
            m = c.getDeclaredConstructor().newInstance();
        } catch (ReflectiveOperationException e) {
            Throwable cause = e instanceof java.lang.reflect.InvocationTargetException
                    ? e.getCause() : e;
            VM.fail(cause);
            return;
        }
        Device.setMidlet(m);
        callLifeCycle(m, "startApp");
    }

    /** Calls a protected life-cycle method of the MIDlet; an exception ends the run. */
    public static void callLifeCycle(Object midlet, String name, Object... args) {
        try {
            Class<?> base = Class.forName("javax.microedition.midlet.MIDlet");
            Method m = args.length == 0 ? base.getDeclaredMethod(name)
                                        : base.getDeclaredMethod(name, boolean.class);
            m.setAccessible(true);
            m.invoke(midlet, args);
        } catch (java.lang.reflect.InvocationTargetException e) {
            VM.fail(e.getCause());
        } catch (ReflectiveOperationException e) {
            VM.fail(e);
        }
    }
}
