package avizad.preverify;

import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Enumeration;
import java.util.List;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;
import proguard.Configuration;
import proguard.ConfigurationParser;
import proguard.ProGuard;

/**
 * The CLDC preverifier: {@code preverify [-classpath CP] [-keep CLASS]... [-d OUTDIR] INPUT...}.
 * Each input (a folder of classes or a jar) is checked against the class path and written to
 * OUTDIR (default "output") with the StackMap attributes that CLDC virtual machines need.
 * ProGuard does the work (-microedition, no optimisation), in the same virtual machine. Without
 * -keep nothing is shrunk or renamed; with -keep the same pass also removes what is never used
 * and shortens the names of everything but the kept classes (a MIDlet class with its public constructor), and drops the
 * debugging attributes. A class that uses anything the class path does not have, or whose class
 * file version is above 48, is refused and nothing is written.
 */
public final class Preverify {
    /** The newest class file version CLDC 1.1 devices load (Java 1.4). */
    static final int MAX_VERSION = 48;

    private Preverify() {}

    public static void main(String[] args) {
        System.exit(run(args, System.out, System.err));
    }

    public static int run(String[] args, PrintStream out, PrintStream err) {
        String classpath = null;
        String outDir = "output";
        boolean verbose = false;
        List<String> inputs = new ArrayList<>();
        List<String> kept = new ArrayList<>();
        for (int i = 0; i < args.length; i++) {
            String a = args[i];
            if ((a.equals("-classpath") || a.equals("-cp")) && i + 1 < args.length) {
                classpath = args[++i];
            } else if (a.equals("-keep") && i + 1 < args.length) {
                String name = args[++i];
                if (!CLASS_NAME.matcher(name).matches()) {
                    err.println("preverify: -keep " + name + ": not a class name");
                    return 2;
                }
                kept.add(name);
            } else if (a.equals("-d") && i + 1 < args.length) {
                outDir = args[++i];
            } else if (a.equals("-target") && i + 1 < args.length) {
                i++; // CLDC1.0 or CLDC1.1: both come out the same
            } else if (a.equals("-v") || a.equals("-verbose")) {
                verbose = true;
            } else if (a.equals("-cldc") || a.equals("-nofinalize") || a.equals("-nonative")
                    || a.equals("-nofp")) {
                // restrictions of old preverifiers; CLDC 1.1 has floating point and finalizers
            } else if (a.startsWith("-")) {
                err.println("preverify: unknown option " + a);
                err.println(USAGE);
                return 2;
            } else {
                inputs.add(a);
            }
        }
        if (inputs.isEmpty()) {
            err.println(USAGE);
            return 2;
        }
        if (classpath == null || classpath.isEmpty()) {
            err.println("preverify: no -classpath: give the CLDC and MIDP class libraries");
            return 2;
        }
        for (String lib : classpath.split(File.pathSeparator)) {
            if (!lib.isEmpty() && !new File(lib).exists()) {
                err.println("preverify: class library not found: " + lib);
                return 1;
            }
        }
        int bad = 0;
        for (String in : inputs) {
            File f = new File(in);
            if (!f.exists()) {
                err.println("preverify: input not found: " + in);
                return 1;
            }
            try {
                bad += checkVersions(f, err);
            } catch (IOException e) {
                err.println("preverify: cannot read " + in + ": " + e.getMessage());
                return 1;
            }
        }
        if (bad > 0) {
            err.println("preverify: " + bad + " class(es) refused; compile with -source 1.3"
                    + " (or -target 1.4 or lower); nothing written");
            return 1;
        }

        List<String> pg = new ArrayList<>();
        pg.add("-microedition");
        pg.add("-dontoptimize");
        pg.add("-dontnote");
        pg.add("-forceprocessing");
        if (kept.isEmpty()) {
            pg.add("-dontshrink");
            pg.add("-dontobfuscate");
            pg.add("-keepattributes");
            pg.add("*");
        } else {
            pg.add("-dontusemixedcaseclassnames");
            for (String name : kept) {
                pg.add("-keep");
                pg.add("class " + name + " { public <init>(); }");
            }
        }
        for (String in : inputs) {
            File f = new File(in);
            pg.add("-injars");
            pg.add(quote(in));
            pg.add("-outjars");
            pg.add(quote(f.isDirectory() ? outDir : new File(outDir, f.getName()).getPath()));
        }
        for (String lib : classpath.split(File.pathSeparator)) {
            if (!lib.isEmpty()) {
                pg.add("-libraryjars");
                pg.add(quote(lib));
            }
        }
        // ProGuard runs in this virtual machine, its output (it prints to System.out and
        // System.err) caught for the explanations below.
        ByteArrayOutputStream caught = new ByteArrayOutputStream();
        int status;
        synchronized (Preverify.class) {
            PrintStream oldOut = System.out;
            PrintStream oldErr = System.err;
            PrintStream capture = new PrintStream(caught, true, StandardCharsets.UTF_8);
            System.setOut(capture);
            System.setErr(capture);
            try {
                status = proguard(pg.toArray(new String[0]));
            } finally {
                capture.flush();
                System.setOut(oldOut);
                System.setErr(oldErr);
            }
        }
        boolean ok = status == 0;
        String failure = ok ? null : "ProGuard failed (status " + status + ")";
        byte[] output = caught.toByteArray();
        String text = new String(output, StandardCharsets.UTF_8);
        if (verbose) {
            out.print(text);
        }
        List<String> problems = explain(text);
        for (String p : problems) {
            err.println(p);
        }
        if (!ok) {
            if (problems.isEmpty()) {
                err.print(text);
                err.println("preverify: " + failure);
            } else {
                err.println("preverify: " + problems.size() + " reference(s) outside "
                        + classpath + "; nothing written");
            }
            return 1;
        }
        return 0;
    }

    /** ProGuard's main program without its System.exit: returns 0 or 1. */
    private static int proguard(String[] args) {
        Configuration configuration = new Configuration();
        try {
            ConfigurationParser parser = new ConfigurationParser(args, System.getProperties());
            try {
                parser.parse(configuration);
            } finally {
                parser.close();
            }
            new ProGuard(configuration).execute();
            return 0;
        } catch (Exception e) {
            System.err.println("Error: " + e.getMessage());
            return 1;
        }
    }

    private static final String USAGE =
            "usage: preverify [-classpath CLASSPATH] [-keep CLASS]... [-d OUTDIR] FOLDER|JAR...";

    /** A class name that can go into ProGuard's options as it is. */
    private static final Pattern CLASS_NAME = Pattern.compile(
            "[A-Za-z_$][A-Za-z0-9_$]*(\\.[A-Za-z_$][A-Za-z0-9_$]*)*");

    /** A path as one ProGuard word: in double quotes when it holds a single one. */
    private static String quote(String path) {
        return path.indexOf('\'') < 0 ? "'" + path + "'" : "\"" + path + "\"";
    }

    private static final Pattern MEMBER = Pattern.compile(
            "Warning: (\\S+): can't find referenced (method|field) '(.*)' in "
                    + "(?:library |program )?class (\\S+)");
    private static final Pattern CLASS = Pattern.compile(
            "Warning: (\\S+): can't find referenced class (\\S+)");
    private static final Pattern SUPER = Pattern.compile(
            "Warning: (\\S+): can't find superclass or interface (\\S+)");

    /** Turns ProGuard's warnings into one line per class and missing member or class. */
    static List<String> explain(String log) {
        List<String> out = new ArrayList<>();
        for (String line : log.split("\\R")) {
            Matcher m = MEMBER.matcher(line);
            if (m.find()) {
                String sig = m.group(3);
                int sp = sig.indexOf(' ');
                String member = sp >= 0 ? sig.substring(sp + 1) : sig;
                String what = m.group(2).equals("method") ? "method" : "field";
                String msg = "preverify: class " + m.group(1) + " uses " + what + " "
                        + m.group(4) + "." + member
                        + ", which is not part of CLDC 1.1 / MIDP 2.0";
                if (!out.contains(msg)) {
                    out.add(msg);
                }
                continue;
            }
            m = SUPER.matcher(line);
            if (m.find()) {
                String msg = "preverify: class " + m.group(1) + " extends or implements "
                        + m.group(2) + ", which is not part of CLDC 1.1 / MIDP 2.0";
                if (!out.contains(msg)) {
                    out.add(msg);
                }
                continue;
            }
            m = CLASS.matcher(line);
            if (m.find()) {
                String msg = "preverify: class " + m.group(1) + " uses class " + m.group(2)
                        + ", which is not part of CLDC 1.1 / MIDP 2.0";
                if (!out.contains(msg)) {
                    out.add(msg);
                }
            }
        }
        return out;
    }

    /** Reports the classes above the CLDC class file version; returns how many there are. */
    static int checkVersions(File f, PrintStream err) throws IOException {
        int bad = 0;
        if (f.isDirectory()) {
            File[] files = f.listFiles();
            if (files != null) {
                java.util.Arrays.sort(files);
                for (File c : files) {
                    bad += checkVersions(c, err);
                }
            }
        } else if (f.getName().endsWith(".class")) {
            try (InputStream in = new FileInputStream(f)) {
                bad += checkVersion(f.getPath(), in, err);
            }
        } else if (f.getName().endsWith(".jar") || f.getName().endsWith(".zip")) {
            try (ZipFile zip = new ZipFile(f)) {
                Enumeration<? extends ZipEntry> e = zip.entries();
                while (e.hasMoreElements()) {
                    ZipEntry z = e.nextElement();
                    if (z.getName().endsWith(".class")) {
                        try (InputStream in = zip.getInputStream(z)) {
                            bad += checkVersion(f.getPath() + "(" + z.getName() + ")", in, err);
                        }
                    }
                }
            }
        }
        return bad;
    }

    private static int checkVersion(String name, InputStream in, PrintStream err)
            throws IOException {
        DataInputStream d = new DataInputStream(in);
        if (d.readInt() != 0xCAFEBABE) {
            err.println("preverify: " + name + " is not a class file");
            return 1;
        }
        d.readUnsignedShort();
        int major = d.readUnsignedShort();
        if (major > MAX_VERSION) {
            err.println("preverify: " + name + " has class file version " + major
                    + "; CLDC accepts " + MAX_VERSION + " (Java 1.4) or lower");
            return 1;
        }
        return 0;
    }
}
