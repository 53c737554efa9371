import java.io.InputStream;
import javax.microedition.midlet.MIDlet;

/**
 * Tries to reach beyond its MIDlet suite in every way of the table below and prints what
 * became of each attempt; the emulator must refuse every one, as a phone does.
 */
public class Escape extends MIDlet {
    private static final String[] ATTEMPTS = {
        "Class.forName(\"java.lang.Runtime\").newInstance()",
        "Class.forName(\"java.io.File\")",
        "Class.forName(\"java.lang.Foo\"), a class of the jar",
        "Class.forName(\"javax.microedition.lcdui.Sneak\"), a class of the jar",
        "Class.forName(\"avizad.emulator.Device\")",
        "Class.forName(\"Evil\").newInstance(), Evil runs a program",
        "new Direct(), a class naming java.io.File",
        "Class.forName(\"Modern\"), a class of version 52",
        "Launder.run(), a call taken from a constant of another kind",
        "getResourceAsStream(\"../../etc/passwd\")",
        "getResourceAsStream(\"/../../../../etc/passwd\")",
        "\"\".getClass().getResourceAsStream(\"/etc/passwd\")",
        "getResourceAsStream(\"/avizad/emulator/api.txt\")",
        "System.exit(0)",
        "Runtime.getRuntime().exit(0)",
        "System.getProperty(\"user.home\")",
    };

    protected void startApp() {
        for (int i = 0; i < ATTEMPTS.length; i++) {
            String result;
            try {
                result = attempt(i);
            } catch (Throwable t) {
                result = "refused: " + t.getClass().getName();
            }
            System.out.println(ATTEMPTS[i] + " -> " + result);
        }
        // What the suite may do still works.
        System.out.println("own resource: " + read(getClass().getResourceAsStream("/data.txt")));
        System.out.println("profile: " + System.getProperty("microedition.profiles"));
        notifyDestroyed();
    }

    private String attempt(int which) throws Throwable {
        switch (which) {
            case 0: return "made " + Class.forName("java.lang.Runtime").newInstance();
            case 1: return "found " + Class.forName("java.io.File").getName();
            case 2: return "found " + Class.forName("java.lang.Foo").getName();
            case 3: return "found " + Class.forName("javax.microedition.lcdui.Sneak").getName();
            case 4: return "found " + Class.forName("avizad.emulator.Device").getName();
            case 5: return "made " + Class.forName("Evil").newInstance();
            case 6: return "made " + new Direct();
            case 7: return "found " + Class.forName("Modern").getName();
            case 8: Launder.run(); return "ran";
            case 9: return read(getClass().getResourceAsStream("../../etc/passwd"));
            case 10: return read(getClass().getResourceAsStream("/../../../../etc/passwd"));
            case 11: return read("".getClass().getResourceAsStream("/etc/passwd"));
            case 12: return read(getClass().getResourceAsStream("/avizad/emulator/api.txt"));
            case 13: System.exit(0); return "exited";
            case 14: Runtime.getRuntime().exit(0); return "exited";
            default: return "value " + System.getProperty("user.home");
        }
    }

    private static String read(InputStream in) {
        if (in == null) {
            return "null";
        }
        try {
            StringBuffer sb = new StringBuffer();
            for (int c = in.read(); c >= 0 && sb.length() < 20; c = in.read()) {
                sb.append((char) c);
            }
            return "read " + sb.toString().trim();
        } catch (java.io.IOException e) {
            return "refused: " + e;
        }
    }

    protected void pauseApp() {}

    protected void destroyApp(boolean unconditional) {}
}
