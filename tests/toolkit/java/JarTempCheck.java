import java.io.File;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;

/**
 * Creates an archive with the toolkit's jar in this virtual machine and records every file it
 * writes: each must lie in the archive's folder, none in the system's temporary folder.
 * Usage: java -Djava.security.manager=allow -cp buildtools.jar:. JarTempCheck WORK_DIR
 */
public final class JarTempCheck {
    private JarTempCheck() {}

    public static void main(String[] args) throws Exception {
        File work = new File(args[0]).getCanonicalFile();
        File staging = new File(work, "staging");
        File res = new File(staging, "res");
        res.mkdirs();
        Files.write(new File(res, "a.png").toPath(), new byte[] {1, 2, 3});
        Files.writeString(new File(staging, "MANIFEST.MF").toPath(), "MIDlet-Name: T\n");
        List<String> written = new ArrayList<>();
        System.setSecurityManager(new SecurityManager() {
            @Override
            public void checkPermission(java.security.Permission p) {}

            @Override
            public void checkWrite(String file) {
                synchronized (written) {
                    written.add(new File(file).getAbsolutePath());
                }
            }
        });
        File archive = new File(staging, "game.jar");
        int status = avizad.buildtools.Jar.run(new String[] {"cmf",
                new File(staging, "MANIFEST.MF").getPath(), archive.getPath(), "-C",
                res.getPath(), "./a.png"}, System.out, System.err);
        System.setSecurityManager(null);
        String tmp = new File(System.getProperty("java.io.tmpdir")).getCanonicalPath();
        List<String> problems = new ArrayList<>();
        if (status != 0 || !archive.isFile()) {
            problems.add("no archive (status " + status + ")");
        }
        for (String f : written) {
            if (f.startsWith(tmp + File.separator)) {
                problems.add("written in the temporary folder: " + f);
            } else if (!new File(f).getParent().equals(staging.getPath())) {
                problems.add("written outside the archive's folder: " + f);
            }
        }
        if (written.isEmpty()) {
            problems.add("no write was seen");
        }
        String[] left = staging.list((d, n) -> !n.equals("game.jar") && !n.equals("res")
                && !n.equals("MANIFEST.MF"));
        if (left.length > 0) {
            problems.add("left beside the archive: " + String.join(", ", left));
        }
        for (String p : problems) {
            System.out.println("FAIL: " + p);
        }
        System.exit(problems.isEmpty() ? 0 : 1);
    }
}
