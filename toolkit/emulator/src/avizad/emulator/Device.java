package avizad.emulator;

import java.awt.image.BufferedImage;
import java.io.IOException;
import java.io.InputStream;
import java.nio.file.Path;
import java.util.HashMap;
import java.util.Map;
import javax.imageio.ImageIO;

/** The phone: its screen, its frame count, the headless run's script, the MIDlet suite. */
public final class Device {
    private static int width = 240;
    private static int height = 320;
    private static BufferedImage screen = newScreen();
    private static long frames;
    private static long maxFrames = -1;
    private static KeyScript script;
    private static Path screenshot;
    private static volatile Runnable repaintHook;
    private static ClassLoader suiteLoader = Device.class.getClassLoader();
    private static Map<String, String> properties = new HashMap<>();
    private static volatile Object midlet;

    private Device() {}

    private static BufferedImage newScreen() {
        BufferedImage img = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
        java.util.Arrays.fill(
                ((java.awt.image.DataBufferInt) img.getRaster().getDataBuffer()).getData(),
                        0xFFFFFF);
        return img;
    }

    /** The screen's profile of the phone font: width, height, small, medium, large. */
    private static int[] profile = PhoneFont.profile(width, height);

    /** Sets the screen; the fonts are those of the profile of that size, or of the profile
        whose shorter side is nearest to the screen's (PhoneFont). */
    public static synchronized void setSize(int w, int h) {
        width = w;
        height = h;
        screen = newScreen();
        profile = PhoneFont.profile(w, h);
    }

    /** The pixel size of the phone's fonts: 0 small, 1 medium, 2 large. */
    public static synchronized int fontPixelSize(int size) {
        return profile[2 + size];
    }

    public static int width() {
        return width;
    }

    public static int height() {
        return height;
    }

    /** The screen's pixels; lock on the returned image while drawing into it or reading it. */
    public static synchronized BufferedImage screen() {
        return screen;
    }

    public static void setHeadless(long maxFrameCount, KeyScript keys, Path shot) {
        maxFrames = maxFrameCount;
        script = keys;
        screenshot = shot;
    }

    public static void setRepaintHook(Runnable r) {
        repaintHook = r;
    }

    public static void setSuite(ClassLoader loader, Map<String, String> props) {
        suiteLoader = loader;
        properties = props;
    }

    public static String property(String key) {
        return properties.get(key);
    }

    public static void setMidlet(Object m) {
        midlet = m;
    }

    public static Object midlet() {
        return midlet;
    }

    /** A resource of the MIDlet suite by its absolute name ("/a.png" or "a.png"), or null. */
    public static InputStream resource(String name) {
        if (name == null) {
            throw new NullPointerException();
        }
        String n = name.startsWith("/") ? name.substring(1) : name;
        return suiteLoader.getResourceAsStream(n);
    }

    public static synchronized long frames() {
        return frames;
    }

    /** Called after each picture the MIDlet shows: counts it and plays the script's key events. */
    public static void frameDone() {
        long f;
        synchronized (Device.class) {
            f = ++frames;
        }
        Runnable hook = repaintHook;
        if (hook != null) {
            hook.run();
        }
        if (script != null) {
            for (KeyScript.Event e : script.due(f)) {
                postKey(e.press, e.code);
            }
        }
        if (maxFrames >= 0 && f >= maxFrames) {
            exit(0);
        }
    }

    /** Virtual time ran dry: play the next key events or end the run. */
    public static boolean onIdle() {
        if (script != null && !script.isEmpty()) {
            for (KeyScript.Event e : script.nextGroup()) {
                postKey(e.press, e.code);
            }
            return true;
        }
        System.err.println("emulator: the MIDlet is idle after " + frames() + " frames");
        exit(0);
        return false;
    }

    /** Plays the script events due before the first frame. */
    public static void startScript() {
        if (script != null) {
            for (KeyScript.Event e : script.due(0)) {
                postKey(e.press, e.code);
            }
        }
    }

    public static void postKey(boolean press, int code) {
        int type = press ? LcduiAccess.KEY_PRESSED : LcduiAccess.KEY_RELEASED;
        EventLoop.post(() -> LcduiAccess.get().keyEvent(type, code));
    }

    public static void postKeyRepeat(int code) {
        EventLoop.post(() -> LcduiAccess.get().keyEvent(LcduiAccess.KEY_REPEATED, code));
    }

    /** Ends the emulator, writing the screenshot first when one was asked for. */
    public static void exit(int status) {
        if (screenshot != null) {
            BufferedImage img = screen();
            BufferedImage copy;
            synchronized (img) {
                copy = new BufferedImage(img.getWidth(), img.getHeight(),
                        BufferedImage.TYPE_INT_RGB);
                copy.setData(img.getData());
            }
            try {
                if (!ImageIO.write(copy, "png", screenshot.toFile())) {
                    throw new IOException("no PNG writer");
                }
            } catch (IOException e) {
                System.err.println("emulator: cannot write " + screenshot + ": " + e.getMessage());
                status = status == 0 ? 2 : status;
            }
        }
        System.out.flush();
        System.err.flush();
        Runtime.getRuntime().halt(status);
    }
}
