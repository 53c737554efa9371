package avizad.buildtools;

import java.io.IOException;
import java.io.PrintStream;
import java.io.PrintWriter;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * javac of the Java ME toolkit: the Eclipse compiler (ecj) with the options given. It sees no
 * Java SE classes: unless -bootclasspath is given, the boot class path is the toolkit's own
 * CLDC 1.1 library, so a class using anything outside CLDC 1.1 / MIDP 2.0 (plus the -classpath
 * given) does not compile. Unless given otherwise, sources are read as Windows-1251
 * (-encoding Cp1251) and warnings are not shown (-nowarn). The exit status is 0 or 1.
 *
 * <p>Two options of its own let a build reuse the classes of sources that are the same in every
 * build (the engine of the generated game): {@code --engine-cache DIR} and, once per file,
 * {@code --engine NAME.java}; see {@link EngineCache}.
 */
public final class Javac {
    private Javac() {}

    public static void main(String[] args) {
        System.exit(run(args, System.out, System.err));
    }

    /** Compiles; returns the exit status. */
    public static int run(String[] args, PrintStream out, PrintStream err) {
        List<String> options = new ArrayList<>();
        List<String> engine = new ArrayList<>();
        String cache = null;
        boolean boot = false;
        boolean encoding = false;
        boolean warn = false;
        for (int i = 0; i < args.length; i++) {
            String a = args[i];
            if (a.equals("--engine-cache") && i + 1 < args.length) {
                cache = args[++i];
                continue;
            }
            if (a.equals("--engine") && i + 1 < args.length) {
                engine.add(args[++i]);
                continue;
            }
            switch (a) {
                case "-bootclasspath": case "--boot-class-path": boot = true; break;
                case "-encoding": encoding = true; break;
                default:
                    if (a.equals("-nowarn") || a.startsWith("-warn:") || a.startsWith("-Xlint")) {
                        warn = true;
                    }
            }
            options.add(a);
        }
        List<String> full = new ArrayList<>();
        if (!warn) {
            full.add("-nowarn");
        }
        if (!encoding) {
            full.addAll(Arrays.asList("-encoding", "Cp1251"));
        }
        if (!boot) {
            full.addAll(Arrays.asList("-bootclasspath", Toolkit.cldcApi().getPath()));
        }
        full.addAll(options);
        if (cache != null && !engine.isEmpty()) {
            return EngineCache.compile(full, engine, new java.io.File(cache), out, err);
        }
        return ecj(full, out, err);
    }

    /**
     * Runs ecj on these arguments in this virtual machine; returns 0 or 1. A class file that
     * could not be written (a full disk, say) fails the compile: ecj itself only reports it
     * ("No .class file created ...") and counts the compile a success.
     */
    static int ecj(List<String> args, PrintStream out, PrintStream err) {
        PrintWriter o = new PrintWriter(out, true);
        PrintWriter e = new PrintWriter(err, true);
        org.eclipse.jdt.internal.compiler.batch.Main main =
                new org.eclipse.jdt.internal.compiler.batch.Main(o, e, false, null, null);
        boolean[] unwritten = {false};
        main.logger = new org.eclipse.jdt.internal.compiler.batch.Main.Logger(main, o, e) {
            @Override
            public void logNoClassFileCreated(String outputDir, String relativeFileName,
                    IOException problem) {
                unwritten[0] = true;
                super.logNoClassFileCreated(outputDir, relativeFileName, problem);
            }
        };
        boolean ok = main.compile(args.toArray(new String[0]));
        o.flush();
        e.flush();
        return ok && !unwritten[0] ? 0 : 1;
    }
}
