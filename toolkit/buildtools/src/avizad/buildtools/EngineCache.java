package avizad.buildtools;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.channels.FileChannel;
import java.nio.charset.StandardCharsets;
import java.nio.file.DirectoryStream;
import java.nio.file.Files;
import java.nio.file.LinkOption;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.nio.file.StandardOpenOption;
import java.nio.file.attribute.BasicFileAttributes;
import java.util.ArrayList;
import java.util.Comparator;
import java.util.HashMap;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeMap;
import java.util.TreeSet;
import java.util.stream.Stream;

/**
 * Compiling a game whose engine (the sources that are the same in every build: named with
 * {@code --engine}) has been compiled before. The engine's class files are kept in a cache
 * folder under a key: the SHA-256 of the compiler, the options, the contents of every class
 * path entry, and the engine sources' names and contents. With the key found, only the other
 * sources are compiled, against the cached classes, and the cached classes are copied beside
 * them, which gives the same class files as compiling everything together:
 *
 * <ul>
 *   <li>the engine classes also depend on the other classes they name (the generated game
 *       refers back to the MIDlet class, for one); the cache records, for each such class, a
 *       fingerprint of its API (what a compiler sees of it: members that are not private,
 *       their types and constant values, super types), and the cached classes are only taken
 *       when the classes just compiled have the same fingerprints;
 *   <li>a class just compiled whose simple name is that of a class the engine refers to (one
 *       that would shadow it) or of an engine class, or sources that do not compile, or options
 *       this cache does not know, make it compile everything together, as without a cache, so
 *       its messages are exactly the compiler's.
 * </ul>
 *
 * Otherwise everything is compiled together and, when that succeeds, the engine's classes go
 * into the cache: written to a new folder and flushed to the disk, then renamed, so a reader
 * never sees half an entry. The entry records the SHA-256 of each class; an entry whose
 * classes do not match (a file cut short, emptied or replaced) is never used: everything is
 * compiled again and the entry replaced. The cache keeps the eight entries used last.
 *
 * <p>Nothing is ever deleted through a symbolic link: a cache folder that is a link is not used
 * at all, and an entry that is a link is removed itself, never what it points to. Only folders
 * named like an entry (64 hexadecimal digits) are ever pruned.
 */
final class EngineCache {
    private static final int KEEP = 8;
    /** Left-over folders of stores that did not finish are removed after this time. */
    private static final long STALE_MILLIS = 60 * 60 * 1000;
    /** Options with a value that the cache understands; others turn it off. */
    private static final Set<String> VALUE_OPTIONS = Set.of("-d", "-classpath", "-cp",
            "--class-path", "-bootclasspath", "--boot-class-path", "-encoding", "-source",
            "-target");
    private static final Set<String> CLASS_PATHS = Set.of("-classpath", "-cp", "--class-path",
            "-bootclasspath", "--boot-class-path");

    /** Content hashes of class path files, by path, size and time: a jar is read once. */
    private static final Map<String, String> FILE_HASHES = new HashMap<>();

    private EngineCache() {}

    static int compile(List<String> args, List<String> engineNames, File cacheDir,
            PrintStream out, PrintStream err) {
        Parsed p = parse(args, engineNames);
        if (p == null) {
            return Javac.ecj(args, out, err);
        }
        if (Files.isSymbolicLink(cacheDir.toPath())) {
            err.println("javac: the engine cache " + cacheDir + " is a symbolic link and is not"
                    + " used (nothing is ever deleted through a link)");
            return Javac.ecj(args, out, err);
        }
        File entry;
        try {
            entry = new File(cacheDir, key(p));
        } catch (IOException e) {
            return Javac.ecj(args, out, err);
        }
        if (isRealFolder(entry.toPath()) && reuse(p, entry, out, err)) {
            entry.setLastModified(System.currentTimeMillis());
            return 0;
        }
        int status = Javac.ecj(args, out, err);
        if (status == 0) {
            try {
                store(p, cacheDir, entry);
            } catch (IOException | RuntimeException e) {
                // The cache only saves time: a build that cannot fill it is still a build.
            }
        }
        return status;
    }

    private static boolean isRealFolder(Path path) {
        return Files.isDirectory(path, LinkOption.NOFOLLOW_LINKS);
    }

    /** The command line taken apart; null when an option is not understood. */
    private static final class Parsed {
        final List<String> options = new ArrayList<>(); // without -d and the sources
        final List<String> engine = new ArrayList<>();
        final List<String> others = new ArrayList<>();
        final Set<String> engineNames = new TreeSet<>();
        String outDir;
    }

    private static Parsed parse(List<String> args, List<String> engineNames) {
        Parsed p = new Parsed();
        p.engineNames.addAll(engineNames);
        for (int i = 0; i < args.size(); i++) {
            String a = args.get(i);
            if (VALUE_OPTIONS.contains(a)) {
                if (i + 1 >= args.size()) {
                    return null;
                }
                String value = args.get(++i);
                if (a.equals("-d")) {
                    p.outDir = value;
                } else {
                    p.options.add(a);
                    p.options.add(value);
                }
            } else if (a.startsWith("-")) {
                if (!(a.equals("-nowarn") || a.startsWith("-g") || a.matches("-1\\.[0-9]")
                        || a.equals("-proc:none"))) {
                    return null;
                }
                p.options.add(a);
            } else if (a.endsWith(".java")) {
                (p.engineNames.contains(new File(a).getName()) ? p.engine : p.others).add(a);
            } else {
                return null;
            }
        }
        if (p.outDir == null || p.engine.isEmpty() || p.others.isEmpty()) {
            return null;
        }
        return p;
    }

    private static String key(Parsed p) throws IOException {
        StringBuilder text = new StringBuilder("engine cache 2\n");
        File ecj = jarOf(org.eclipse.jdt.internal.compiler.batch.Main.class);
        text.append("compiler ").append(ecj).append(' ').append(ecj.length()).append(' ')
                .append(ecj.lastModified()).append('\n');
        for (int i = 0; i < p.options.size(); i++) {
            String o = p.options.get(i);
            text.append(o).append('\n');
            if (CLASS_PATHS.contains(o)) {
                for (String entry : p.options.get(++i).split(File.pathSeparator)) {
                    text.append("  ").append(entry.isEmpty() ? "" : contentHash(new File(entry)))
                            .append('\n');
                }
            }
        }
        List<String> engine = new ArrayList<>(p.engine);
        engine.sort(Comparator.comparing(s -> new File(s).getName()));
        for (String source : engine) {
            byte[] bytes = Files.readAllBytes(Path.of(source));
            text.append("source ").append(new File(source).getName()).append(' ')
                    .append(ClassFile.sha256(bytes)).append('\n');
        }
        return ClassFile.sha256(text.toString().getBytes(StandardCharsets.UTF_8));
    }

    private static File jarOf(Class<?> c) {
        try {
            return new File(c.getProtectionDomain().getCodeSource().getLocation().toURI());
        } catch (Exception e) {
            return new File(c.getName());
        }
    }

    private static String contentHash(File f) throws IOException {
        if (f.isDirectory()) {
            StringBuilder listing = new StringBuilder();
            try (Stream<Path> files = Files.walk(f.toPath())) {
                for (Path file : (Iterable<Path>) files.sorted()::iterator) {
                    if (Files.isRegularFile(file)) {
                        listing.append(f.toPath().relativize(file)).append(' ')
                                .append(contentHash(file.toFile())).append('\n');
                    }
                }
            }
            return ClassFile.sha256(listing.toString().getBytes(StandardCharsets.UTF_8));
        }
        if (!f.isFile()) {
            return "missing " + f;
        }
        String id = f.getAbsolutePath() + " " + f.length() + " " + f.lastModified();
        synchronized (FILE_HASHES) {
            String hash = FILE_HASHES.get(id);
            if (hash == null) {
                hash = ClassFile.sha256(Files.readAllBytes(f.toPath()));
                FILE_HASHES.put(id, hash);
            }
            return hash;
        }
    }

    /** Compiles the other sources against the cached engine; false: compile everything. */
    private static boolean reuse(Parsed p, File entry, PrintStream out, PrintStream err) {
        File classes = new File(entry, "classes");
        Map<String, String> deps = new TreeMap<>();
        Map<String, byte[]> engineClasses = new TreeMap<>();
        Set<String> engineRefs = new HashSet<>();
        try {
            List<String> lines = Files.readAllLines(new File(entry, "deps").toPath());
            if (lines.isEmpty() || !lines.get(lines.size() - 1).equals("end")) {
                return false; // cut short
            }
            for (String line : lines) {
                String[] f = line.split(" ");
                if (f.length == 3 && f[0].equals("class")) {
                    // Only a class whose bytes are the ones stored is taken.
                    byte[] bytes = readRegularFile(new File(classes, f[1] + ".class").toPath());
                    if (bytes == null || !ClassFile.sha256(bytes).equals(f[2])) {
                        return false;
                    }
                    engineClasses.put(f[1], bytes);
                } else if (f.length == 2 && f[0].equals("uses")) {
                    engineRefs.add(simpleName(f[1]));
                } else if (f.length == 3 && f[0].equals("api")) {
                    deps.put(f[1], f[2]);
                }
            }
        } catch (IOException | RuntimeException e) {
            return false;
        }
        if (engineClasses.isEmpty()) {
            return false;
        }
        List<String> args = new ArrayList<>();
        boolean hasClassPath = false;
        for (int i = 0; i < p.options.size(); i++) {
            String o = p.options.get(i);
            args.add(o);
            if (o.equals("-classpath") || o.equals("-cp") || o.equals("--class-path")) {
                String value = p.options.get(++i);
                args.add(value.isEmpty() ? classes.getPath()
                        : value + File.pathSeparator + classes.getPath());
                hasClassPath = true;
            } else if (VALUE_OPTIONS.contains(o)) {
                args.add(p.options.get(++i));
            }
        }
        if (!hasClassPath) {
            args.add("-classpath");
            args.add(classes.getPath());
        }
        args.add("-d");
        args.add(p.outDir);
        args.addAll(p.others);
        ByteArrayOutputStream text = new ByteArrayOutputStream();
        PrintStream captured = new PrintStream(text, true, StandardCharsets.UTF_8);
        Set<String> before = classFiles(new File(p.outDir));
        if (Javac.ecj(args, captured, captured) != 0) {
            return false;
        }
        Set<String> made = classFiles(new File(p.outDir));
        made.removeAll(before);
        try {
            Set<String> engineSimple = new HashSet<>();
            for (String c : engineClasses.keySet()) {
                engineSimple.add(simpleName(c));
            }
            for (String c : made) {
                String simple = simpleName(c);
                if (engineClasses.containsKey(c) || engineSimple.contains(simple)
                        || engineRefs.contains(simple)) {
                    return false;
                }
            }
            for (Map.Entry<String, String> dep : deps.entrySet()) {
                File f = new File(p.outDir, dep.getKey() + ".class");
                if (!f.isFile()
                        || !new ClassFile(Files.readAllBytes(f.toPath())).apiHash.equals(
                                dep.getValue())) {
                    return false;
                }
            }
            for (Map.Entry<String, byte[]> c : engineClasses.entrySet()) {
                Path to = new File(p.outDir, c.getKey() + ".class").toPath();
                Files.createDirectories(to.getParent());
                Files.write(to, c.getValue());
            }
        } catch (IOException e) {
            return false;
        }
        out.write(text.toByteArray(), 0, text.size());
        return true;
    }

    private static String simpleName(String internalName) {
        String s = internalName.substring(internalName.lastIndexOf('/') + 1);
        int dollar = s.indexOf('$');
        return dollar > 0 ? s.substring(0, dollar) : s;
    }

    /** The bytes of a regular file (not a link), or null. */
    private static byte[] readRegularFile(Path file) throws IOException {
        if (!Files.isRegularFile(file, LinkOption.NOFOLLOW_LINKS)) {
            return null;
        }
        return Files.readAllBytes(file);
    }

    /** The class files below a folder, as internal names ("a/B$1"). */
    private static Set<String> classFiles(File dir) {
        Set<String> names = new TreeSet<>();
        Path root = dir.toPath();
        if (!dir.isDirectory()) {
            return names;
        }
        try (Stream<Path> files = Files.walk(root)) {
            files.filter(f -> f.toString().endsWith(".class") && Files.isRegularFile(f))
                    .forEach(f -> {
                        String rel = root.relativize(f).toString();
                        names.add(rel.substring(0, rel.length() - 6).replace(File.separatorChar,
                                '/'));
                    });
        } catch (IOException e) {
            // a folder that cannot be listed holds no classes we know of
        }
        return names;
    }

    /** Puts the engine's classes of a successful full compile into the cache. */
    private static void store(Parsed p, File cacheDir, File entry) throws IOException {
        Map<String, ClassFile> all = new LinkedHashMap<>();
        for (String c : classFiles(new File(p.outDir))) {
            all.put(c, new ClassFile(Files.readAllBytes(
                    new File(p.outDir, c + ".class").toPath())));
        }
        Set<String> engine = new TreeSet<>();
        for (Map.Entry<String, ClassFile> e : all.entrySet()) {
            String source = e.getValue().sourceFile;
            String topLevel = simpleName(e.getKey()) + ".java";
            if (source != null ? p.engineNames.contains(source)
                    : p.engineNames.contains(topLevel)) {
                engine.add(e.getKey());
            }
        }
        if (engine.isEmpty()) {
            return;
        }
        // The program's other classes the engine names, and the ones their APIs name.
        Set<String> deps = new TreeSet<>();
        Set<String> uses = new TreeSet<>();
        List<String> work = new ArrayList<>();
        for (String c : engine) {
            for (String r : all.get(c).referenced) {
                if (engine.contains(r)) {
                    continue;
                }
                if (!all.containsKey(r)) {
                    uses.add(r); // a library class: no class of the game may shadow it
                } else if (deps.add(r)) {
                    work.add(r);
                }
            }
        }
        while (!work.isEmpty()) {
            for (String r : all.get(work.remove(work.size() - 1)).apiReferenced) {
                if (all.containsKey(r) && !engine.contains(r) && deps.add(r)) {
                    work.add(r);
                }
            }
        }
        Files.createDirectories(cacheDir.toPath());
        Path temp = Files.createTempDirectory(cacheDir.toPath(), ".new-");
        try {
            StringBuilder text = new StringBuilder();
            Path classes = temp.resolve("classes");
            for (String c : engine) {
                byte[] bytes = Files.readAllBytes(new File(p.outDir, c + ".class").toPath());
                Path to = classes.resolve(c + ".class");
                Files.createDirectories(to.getParent());
                writeFlushed(to, bytes);
                text.append("class ").append(c).append(' ').append(ClassFile.sha256(bytes))
                        .append('\n');
            }
            for (String u : uses) {
                text.append("uses ").append(u).append('\n');
            }
            for (String d : deps) {
                text.append("api ").append(d).append(' ').append(all.get(d).apiHash)
                        .append('\n');
            }
            text.append("end\n");
            writeFlushed(temp.resolve("deps"), text.toString().getBytes(StandardCharsets.UTF_8));
            flushFolders(classes, temp);
            publish(temp, entry.toPath());
            flushFolders(cacheDir.toPath());
        } finally {
            deleteTree(temp);
        }
        prune(cacheDir.toPath());
    }

    /** Renames a new entry into place; one there already (damaged, or a link) goes first. */
    private static void publish(Path temp, Path entry) throws IOException {
        if (Files.exists(entry, LinkOption.NOFOLLOW_LINKS)) {
            Path old = Files.createTempDirectory(entry.getParent(), ".old-");
            Path aside = old.resolve("entry");
            try {
                Files.move(entry, aside, StandardCopyOption.ATOMIC_MOVE);
                Files.move(temp, entry, StandardCopyOption.ATOMIC_MOVE);
            } finally {
                deleteTree(old);
            }
            return;
        }
        Files.move(temp, entry, StandardCopyOption.ATOMIC_MOVE);
    }

    private static void writeFlushed(Path file, byte[] bytes) throws IOException {
        try (FileOutputStream out = new FileOutputStream(file.toFile())) {
            out.write(bytes);
            out.getFD().sync();
        }
    }

    /** Flushes folders' entries (their names) to the disk, deepest first. */
    private static void flushFolders(Path... folders) {
        for (Path folder : folders) {
            try (FileChannel channel = FileChannel.open(folder, StandardOpenOption.READ)) {
                channel.force(true);
            } catch (IOException | RuntimeException e) {
                // a file system that cannot flush a folder keeps it as well as it can
            }
        }
    }

    /**
     * Keeps the entries used last, and removes what stores that did not finish left. Only
     * names of entries are considered, and a link among them is removed itself.
     */
    private static void prune(Path cacheDir) {
        List<Path> entries = new ArrayList<>();
        Map<Path, Long> times = new HashMap<>();
        long now = System.currentTimeMillis();
        try (DirectoryStream<Path> children = Files.newDirectoryStream(cacheDir)) {
            for (Path child : children) {
                String name = child.getFileName().toString();
                long time = Files.readAttributes(child, BasicFileAttributes.class,
                        LinkOption.NOFOLLOW_LINKS).lastModifiedTime().toMillis();
                if (name.matches("[0-9a-f]{64}")) {
                    entries.add(child);
                    times.put(child, time);
                } else if ((name.startsWith(".new-") || name.startsWith(".old-"))
                        && now - time > STALE_MILLIS) {
                    deleteTree(child);
                }
            }
        } catch (IOException | RuntimeException e) {
            return;
        }
        if (entries.size() <= KEEP) {
            return;
        }
        entries.sort(Comparator.comparing((Path e) -> times.get(e)).reversed());
        for (int i = KEEP; i < entries.size(); i++) {
            deleteTree(entries.get(i));
        }
    }

    /** Deletes a file or a folder with what it holds; a link is deleted itself, never
        followed. Errors are ignored. */
    private static void deleteTree(Path path) {
        try {
            if (Files.isDirectory(path, LinkOption.NOFOLLOW_LINKS)) {
                try (DirectoryStream<Path> children = Files.newDirectoryStream(path)) {
                    for (Path child : children) {
                        deleteTree(child);
                    }
                }
            }
            Files.deleteIfExists(path);
        } catch (IOException | RuntimeException e) {
            // what cannot be deleted stays
        }
    }
}
