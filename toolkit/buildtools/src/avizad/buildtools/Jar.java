package avizad.buildtools;

import java.io.File;
import java.io.PrintStream;
import java.util.ArrayList;
import java.util.List;
import java.util.Locale;
import java.util.spi.ToolProvider;

/**
 * jar of the Java ME toolkit: the JDK's archiver, made as forgiving as the classic one. A file
 * pattern that matched nothing (an unexpanded "*.mid", say) is reported and skipped instead of
 * failing the whole archive, and a manifest named with the wrong letter case ("MANIFEST.mf" for
 * "MANIFEST.MF") is found all the same.
 */
public final class Jar {
    private Jar() {}

    public static void main(String[] args) {
        System.exit(run(args, System.out, System.err));
    }

    public static int run(String[] args, PrintStream out, PrintStream err) {
        ToolProvider jar = ToolProvider.findFirst("jar").orElse(null);
        if (jar == null) {
            err.println("jar: the JDK's archiver (module jdk.jartool) is missing");
            return 1;
        }
        if (args.length == 0 || args[0].startsWith("-")) {
            return jar.run(out, err, args);
        }
        // Which of the following operands are the manifest and the archive (order of m and f).
        String order = args[0].replaceAll("[^mf]", "");
        List<String> fixed = new ArrayList<>();
        fixed.add(args[0]);
        int afterC = 0;
        for (int i = 1; i < args.length; i++) {
            String a = args[i];
            if (i - 1 < order.length()) {
                fixed.add(order.charAt(i - 1) == 'm' ? findIgnoringCase(a) : a);
            } else if (afterC > 0) {
                afterC--;
                fixed.add(a);
            } else if (a.equals("-C")) {
                afterC = 2;
                fixed.add(a);
            } else if ((a.contains("*") || a.contains("?") || a.contains("["))
                    && !new File(a).exists()) {
                err.println(a + " : no such file or directory");
            } else {
                fixed.add(a);
            }
        }
        return jar.run(out, err, fixed.toArray(new String[0]));
    }

    /** The file in the same folder whose name matches ignoring case, or the name itself. */
    private static String findIgnoringCase(String path) {
        File f = new File(path);
        if (f.exists()) {
            return path;
        }
        File dir = f.getAbsoluteFile().getParentFile();
        File[] files = dir == null ? null : dir.listFiles(File::isFile);
        if (files != null) {
            String want = f.getName().toLowerCase(Locale.ROOT);
            for (File c : files) {
                if (c.getName().toLowerCase(Locale.ROOT).equals(want)) {
                    return f.getParent() == null ? c.getName()
                            : new File(f.getParent(), c.getName()).getPath();
                }
            }
        }
        return path;
    }
}
