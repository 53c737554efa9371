package avizad.buildtools;

import java.io.BufferedOutputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.PrintStream;
import java.nio.file.Files;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.jar.Attributes;
import java.util.jar.JarFile;
import java.util.jar.Manifest;
import java.util.spi.ToolProvider;
import java.util.zip.CRC32;
import java.util.zip.ZipEntry;
import java.util.zip.ZipOutputStream;

/**
 * jar of the Java ME toolkit, as forgiving as the classic one. A file pattern that matched
 * nothing (an unexpanded "*.mid", say) is reported and skipped instead of failing the whole
 * archive, and a manifest named with the wrong letter case ("MANIFEST.mf" for "MANIFEST.MF")
 * is found all the same.
 *
 * <p>An archive is created ({@code c} with {@code f}, and {@code m}, {@code M}, {@code 0},
 * {@code v}) here: the archive is written to a temporary file beside it, with the user's
 * permissions, and renamed over it when complete, so that nothing of it ever lands in the
 * system's temporary folder (where the JDK's archiver writes it first) and a failure leaves
 * nothing behind. Every other use goes to the JDK's archiver.
 */
public final class Jar {
    private Jar() {}

    public static void main(String[] args) {
        System.exit(run(args, System.out, System.err));
    }

    public static int run(String[] args, PrintStream out, PrintStream err) {
        if (args.length > 0 && args[0].matches("c[fmM0v]*") && args[0].contains("f")) {
            return create(args, out, err);
        }
        ToolProvider jar = ToolProvider.findFirst("jar").orElse(null);
        if (jar == null) {
            err.println("jar: the JDK's archiver (module jdk.jartool) is missing");
            return 1;
        }
        if (args.length == 0 || args[0].startsWith("-")) {
            return jar.run(out, err, args);
        }
        return jar.run(out, err, forgiving(args, err).toArray(new String[0]));
    }

    /**
     * The arguments with the manifest found ignoring case and the file patterns that matched
     * nothing left out (and reported).
     */
    private static List<String> forgiving(String[] args, PrintStream err) {
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
        return fixed;
    }

    /** jar c[m][f][M][0][v] [MANIFEST] ARCHIVE [-C DIR] FILE...: returns the exit status. */
    private static int create(String[] args, PrintStream out, PrintStream err) {
        List<String> fixed = forgiving(args, err);
        String flags = fixed.get(0);
        String order = flags.replaceAll("[^mf]", "");
        if (fixed.size() < 1 + order.length()) {
            err.println("jar: the " + (order.equals("f") ? "archive" : "manifest and archive")
                    + " must follow " + flags);
            return 1;
        }
        String manifestFile = null;
        String archive = null;
        for (int i = 0; i < order.length(); i++) {
            if (order.charAt(i) == 'm') {
                manifestFile = fixed.get(1 + i);
            } else {
                archive = fixed.get(1 + i);
            }
        }
        boolean stored = flags.contains("0");
        boolean verbose = flags.contains("v");

        // What goes in, by entry name, in the order given.
        Map<String, File> entries = new LinkedHashMap<>();
        boolean ok = true;
        for (int i = 1 + order.length(); i < fixed.size(); i++) {
            File dir = null;
            String name = fixed.get(i);
            if (name.equals("-C")) {
                if (i + 2 >= fixed.size()) {
                    err.println("jar: -C needs a folder and a file");
                    return 1;
                }
                dir = new File(fixed.get(i + 1));
                name = fixed.get(i + 2);
                i += 2;
            }
            File file = dir == null ? new File(name) : new File(dir, name);
            if (!file.exists()) {
                err.println(name + " : no such file or directory");
                ok = false;
                continue;
            }
            ok &= collect(file, entryName(name), entries, err);
        }
        if (!ok) {
            return 1;
        }

        Manifest manifest = null;
        if (!flags.contains("M")) {
            manifest = new Manifest();
            if (manifestFile != null) {
                try (InputStream in = new FileInputStream(manifestFile)) {
                    manifest.read(in);
                } catch (IOException e) {
                    err.println("jar: cannot read the manifest " + manifestFile + ": "
                            + e.getMessage());
                    return 1;
                }
            }
            Attributes main = manifest.getMainAttributes();
            main.putIfAbsent(Attributes.Name.MANIFEST_VERSION, "1.0");
            main.putIfAbsent(new Attributes.Name("Created-By"), System.getProperty("java.version")
                    + " (" + System.getProperty("java.vendor") + ")");
            entries.remove(JarFile.MANIFEST_NAME);
        }

        File target = new File(archive).getAbsoluteFile();
        File temp = null;
        try {
            temp = File.createTempFile("." + target.getName() + "-", ".part",
                    target.getParentFile());
            try (ZipOutputStream zip = new ZipOutputStream(
                    new BufferedOutputStream(new FileOutputStream(temp), 65536))) {
                if (manifest != null) {
                    putDirectory(zip, "META-INF/", System.currentTimeMillis());
                    byte[] bytes = manifestBytes(manifest);
                    put(zip, JarFile.MANIFEST_NAME, bytes, System.currentTimeMillis(), stored);
                    if (verbose) {
                        out.println("added manifest");
                    }
                }
                for (Map.Entry<String, File> e : entries.entrySet()) {
                    File f = e.getValue();
                    if (f.isDirectory()) {
                        putDirectory(zip, e.getKey(), f.lastModified());
                    } else {
                        put(zip, e.getKey(), Files.readAllBytes(f.toPath()), f.lastModified(),
                                stored);
                    }
                    if (verbose) {
                        out.println("adding: " + e.getKey());
                    }
                }
            }
            Files.move(temp.toPath(), target.toPath(), StandardCopyOption.REPLACE_EXISTING,
                    StandardCopyOption.ATOMIC_MOVE);
            temp = null;
            return 0;
        } catch (IOException e) {
            err.println("jar: cannot write " + archive + ": " + message(e));
            return 1;
        } finally {
            if (temp != null) {
                temp.delete();
            }
        }
    }

    private static String message(IOException e) {
        return e.getMessage() != null ? e.getMessage() : e.toString();
    }

    /** Adds a file, or a folder with everything below it, under its entry name. */
    private static boolean collect(File file, String name, Map<String, File> entries,
            PrintStream err) {
        if (file.isDirectory()) {
            String dirName = name.isEmpty() || name.endsWith("/") ? name : name + "/";
            if (!dirName.isEmpty()) {
                entries.putIfAbsent(dirName, file);
            }
            String[] children = file.list();
            if (children == null) {
                err.println("jar: cannot list " + file);
                return false;
            }
            java.util.Arrays.sort(children);
            boolean ok = true;
            for (String child : children) {
                ok &= collect(new File(file, child), dirName + child, entries, err);
            }
            return ok;
        }
        if (name.isEmpty()) {
            return true;
        }
        if (entries.containsKey(name)) {
            err.println("jar: duplicate entry: " + name + ", left out");
            return true;
        }
        entries.put(name, file);
        return true;
    }

    /**
     * The entry name of a file named on the command line: "/" separated, without "./" or a
     * leading "/", and nothing up to a "../".
     */
    static String entryName(String name) {
        String n = name.replace(File.separatorChar, '/');
        int up = n.lastIndexOf("../");
        if (up >= 0) {
            n = n.substring(up + 3);
        }
        while (true) {
            if (n.startsWith("./")) {
                n = n.substring(2);
            } else if (n.startsWith("/")) {
                n = n.substring(1);
            } else {
                break;
            }
        }
        n = n.replace("/./", "/");
        return n.equals(".") ? "" : n;
    }

    private static byte[] manifestBytes(Manifest manifest) throws IOException {
        java.io.ByteArrayOutputStream bytes = new java.io.ByteArrayOutputStream();
        manifest.write(bytes);
        return bytes.toByteArray();
    }

    private static void putDirectory(ZipOutputStream zip, String name, long time)
            throws IOException {
        ZipEntry e = new ZipEntry(name);
        e.setTime(time);
        e.setMethod(ZipEntry.STORED);
        e.setSize(0);
        e.setCrc(0);
        zip.putNextEntry(e);
        zip.closeEntry();
    }

    private static void put(ZipOutputStream zip, String name, byte[] bytes, long time,
            boolean stored) throws IOException {
        ZipEntry e = new ZipEntry(name);
        e.setTime(time);
        if (stored) {
            CRC32 crc = new CRC32();
            crc.update(bytes);
            e.setMethod(ZipEntry.STORED);
            e.setSize(bytes.length);
            e.setCompressedSize(bytes.length);
            e.setCrc(crc.getValue());
        }
        zip.putNextEntry(e);
        zip.write(bytes);
        zip.closeEntry();
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
