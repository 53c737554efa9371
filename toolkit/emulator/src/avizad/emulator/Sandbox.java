package avizad.emulator;

import java.io.InputStream;

/**
 * The game's calls that would reach beyond the MIDlet suite on Java SE, as {@link GameLoader}
 * redirects them: here they behave as on a phone.
 *
 * <ul>
 *   <li>{@code Class.forName} finds only the suite's classes and those of CLDC 1.1 / MIDP 2.0
 *       ({@link #className}, checked before the call itself);
 *   <li>{@code Class.newInstance} makes only objects of those classes, of an API class only
 *       when the API gives it a public constructor without arguments ({@link #instantiable});
 *   <li>{@code Class.getResourceAsStream} reads only files of the suite's jar, never a name
 *       with "..", whatever class it is called on ({@link #resource});
 *   <li>{@code System.getProperty} knows only the properties of a MIDP 2.0 device;
 *   <li>{@code System.exit} and {@code Runtime.exit} throw {@link SecurityException}, as MIDP
 *       wants: a MIDlet ends with {@code notifyDestroyed}.
 * </ul>
 */
public final class Sandbox {
    private Sandbox() {}

    private static volatile GameLoader suite;

    /** The system properties of a MIDP 2.0 device, and the only ones a game sees. */
    private static final java.util.Map<String, String> PROPERTIES = new java.util.HashMap<>();

    /** The suite whose game runs; the redirected calls work on it. */
    static void use(GameLoader loader) {
        suite = loader;
    }

    /** Sets the properties a MIDP 2.0 device defines (also as system properties). */
    static void setPlatformProperties() {
        java.util.Locale l = java.util.Locale.getDefault();
        String locale = l.getLanguage() + (l.getCountry().isEmpty() ? "" : "-" + l.getCountry());
        String[][] props = {
            {"microedition.platform", "Avizad"},
            {"microedition.configuration", "CLDC-1.1"},
            {"microedition.profiles", "MIDP-2.0"},
            {"microedition.locale", locale},
            {"microedition.encoding", java.nio.charset.Charset.defaultCharset().name()},
            {"microedition.commports", ""},
            {"microedition.hostname", "localhost"},
            {"supports.mixing", "false"},
            {"supports.audio.capture", "false"},
            {"supports.video.capture", "false"},
            {"supports.recording", "false"},
            {"audio.encodings", ""},
        };
        synchronized (PROPERTIES) {
            for (String[] p : props) {
                System.setProperty(p[0], p[1]);
                PROPERTIES.put(p[0], p[1]);
            }
        }
    }

    /** Before Class.forName(name): the name unchanged, or ClassNotFoundException. */
    public static String className(String name) throws ClassNotFoundException {
        if (name == null) {
            throw new NullPointerException();
        }
        GameLoader loader = suite;
        if (loader == null || !loader.findsByName(name)) {
            throw new ClassNotFoundException(name);
        }
        return name;
    }

    /** Before Class.newInstance(): the class unchanged, or the exception that refuses it. */
    public static Class<?> instantiable(Class<?> c) throws IllegalAccessException {
        GameLoader loader = suite;
        if (c != null && loader != null && !loader.mayInstantiate(c)) {
            throw new IllegalAccessException(c.getName()
                    + " has no constructor a MIDlet may call without arguments");
        }
        return c;
    }

    /** Class.getResourceAsStream(name) on class c: a file of the suite's jar, or null. */
    public static InputStream resource(Class<?> c, String name) {
        if (name == null) {
            throw new NullPointerException();
        }
        String absolute;
        if (name.startsWith("/")) {
            absolute = name.substring(1);
        } else {
            String cn = c.getName();
            int dot = cn.lastIndexOf('.');
            absolute = dot < 0 ? name : cn.substring(0, dot).replace('.', '/') + "/" + name;
        }
        GameLoader loader = suite;
        return loader == null ? null : loader.getResourceAsStream(absolute);
    }

    /** System.getProperty(key): the device's property, or null. */
    public static String getProperty(String key) {
        if (key == null) {
            throw new NullPointerException();
        }
        if (key.isEmpty()) {
            throw new IllegalArgumentException("empty key");
        }
        synchronized (PROPERTIES) {
            return PROPERTIES.get(key);
        }
    }

    /** System.exit: a MIDlet may not end the virtual machine. */
    public static void exit(int status) {
        throw new SecurityException("a MIDlet may not call exit; it ends with notifyDestroyed");
    }

    /** Runtime.exit, as System.exit. */
    public static void exit(Runtime runtime, int status) {
        if (runtime == null) {
            throw new NullPointerException();
        }
        exit(status);
    }
}
