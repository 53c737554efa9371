package avizad.emulator;

import java.io.ByteArrayInputStream;
import java.io.InputStream;

/** The phone: its screen, its frame count, the MIDlet suite. */
public final class Device {
    /** The screen's pixels, 0xRRGGBB, row by row. */
    public static final int[] SCREEN = new int[avizad.vm.VM.screenWidth()
            * avizad.vm.VM.screenHeight()];
    private static Object midlet;

    static {
        for (int i = 0; i < SCREEN.length; i++) {
            SCREEN[i] = 0xFFFFFF;
        }
        avizad.vm.VM.setScreen(SCREEN);
    }

    private Device() {
    }

    public static int width() {
        return avizad.vm.VM.screenWidth();
    }

    public static int height() {
        return avizad.vm.VM.screenHeight();
    }

    public static String property(String key) {
        return avizad.vm.VM.property(key);
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
        byte[] data = avizad.vm.VM.resource(n);
        return data == null ? null : new ByteArrayInputStream(data);
    }

    public static void frameDone() {
        avizad.vm.VM.frameDone();
    }

    public static void exit(int status) {
        avizad.vm.VM.exit(status);
    }
}
