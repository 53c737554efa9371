package avizad.emulator;

import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.nio.file.Path;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.HashSet;
import java.util.Map;
import java.util.Set;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;
import org.objectweb.asm.Attribute;
import org.objectweb.asm.ClassReader;
import org.objectweb.asm.ClassVisitor;
import org.objectweb.asm.ClassWriter;
import org.objectweb.asm.MethodVisitor;
import org.objectweb.asm.Opcodes;
import org.objectweb.asm.commons.ClassRemapper;
import org.objectweb.asm.commons.SimpleRemapper;

/**
 * Loads the classes and resources of a MIDlet suite jar, in a sandbox as a phone does: a game
 * reaches only the classes of its suite and the public API of CLDC 1.1 / MIDP 2.0.
 *
 * <ul>
 *   <li>Every class is checked before it is defined ({@link ClassCheck}): what it names must be
 *       the suite's or the API's, or it is refused with the linkage error a phone gives, which
 *       is also written to standard error.
 *   <li>Only the suite's classes, the API's and the emulator's classes its rewritten calls go
 *       to are loaded through this loader; a class of the jar in a package of the platform
 *       (java, javax) or of the emulator is not one of the suite's.
 *   <li>Resources are the files of the jar, and nothing else.
 * </ul>
 *
 * Each class is rewritten on loading so that its view of time and threads goes through
 * {@link VM} (System.currentTimeMillis, the Thread calls, Object.wait and notify, new Random(),
 * new Date(), Calendar.getInstance, java.util.Timer and TimerTask), and its calls of
 * Class.forName, Class.newInstance, Class.getResourceAsStream, System.getProperty and exit
 * through {@link Sandbox}.
 */
public final class GameLoader extends ClassLoader {
    private static final String VM_CLASS = "avizad/emulator/VM";
    private static final String SANDBOX = "avizad/emulator/Sandbox";
    /** The emulator's classes that rewritten game classes call, by binary name. */
    private static final Set<String> RUNTIME_CLASSES = Set.of("avizad.emulator.VM",
            "avizad.emulator.VTimer", "avizad.emulator.VTimerTask", "avizad.emulator.Sandbox");
    private static ClassCheck.Api api;
    private final Map<String, byte[]> entries = new HashMap<>();
    private final Set<String> threadClasses = new HashSet<>();
    private final Set<String> reported = new HashSet<>();
    private ClassCheck check;

    public GameLoader(Path jar, ClassLoader parent) throws IOException {
        super(parent);
        try (ZipFile zip = new ZipFile(jar.toFile())) {
            Enumeration<? extends ZipEntry> e = zip.entries();
            while (e.hasMoreElements()) {
                ZipEntry entry = e.nextElement();
                if (!entry.isDirectory()) {
                    try (InputStream in = zip.getInputStream(entry)) {
                        entries.put(entry.getName(), in.readAllBytes());
                    }
                }
            }
        }
        findThreadClasses();
    }

    /**
     * Loads (and rewrites) every class of the suite without initialising any, and readies the
     * image reader: run on a thread of its own while the window opens, so that the MIDlet
     * starts on classes already there.
     */
    void preload() {
        javax.imageio.ImageIO.getImageReadersByFormatName("png"); // its plug-in registry
        for (String name : entries.keySet().toArray(new String[0])) {
            if (name.endsWith(".class")) {
                try {
                    loadClass(name.substring(0, name.length() - 6).replace('/', '.'));
                } catch (Throwable e) {
                    // it fails again, and is reported, when the MIDlet needs it
                }
            }
        }
    }

    /** The API of CLDC 1.1 / MIDP 2.0, read from the list the emulator carries, once. */
    static synchronized ClassCheck.Api api() {
        if (api == null) {
            try (InputStream in = GameLoader.class.getResourceAsStream("api.txt")) {
                if (in == null) {
                    throw new IllegalStateException("the emulator's API list is missing");
                }
                api = ClassCheck.Api.read(in);
            } catch (IOException e) {
                throw new IllegalStateException("cannot read the emulator's API list", e);
            }
        }
        return api;
    }

    /**
     * Whether the jar has a class of this internal name that is the suite's own: none in the
     * platform's packages (java, javax) or the emulator's.
     */
    boolean isSuiteClass(String internalName) {
        return !internalName.startsWith("java/") && !internalName.startsWith("javax/")
                && !internalName.startsWith("avizad/emulator/")
                && entries.containsKey(internalName + ".class");
    }

    /** Whether Class.forName finds this name: a class of the suite or of the API, or an
        array of those or of a primitive type. */
    boolean findsByName(String name) {
        if (name.indexOf('/') >= 0) {
            return false;
        }
        String n = name;
        if (n.startsWith("[")) {
            n = n.replaceFirst("^\\[+", "");
            if (n.length() == 1) {
                return "ZBCSIJFD".indexOf(n.charAt(0)) >= 0;
            }
            if (!n.startsWith("L") || !n.endsWith(";")) {
                return false;
            }
            n = n.substring(1, n.length() - 1);
        }
        String internal = n.replace('.', '/');
        return api().hasClass(internal) || isSuiteClass(internal);
    }

    /** Whether the game may make an object of this class with Class.newInstance. */
    boolean mayInstantiate(Class<?> c) {
        if (c.getClassLoader() == this) {
            return true;
        }
        return api().declares(c.getName().replace('.', '/'), "<init>", "()V");
    }

    /** The internal names of Thread and of the suite's classes that extend it. */
    private void findThreadClasses() {
        Map<String, String> superOf = new HashMap<>();
        for (Map.Entry<String, byte[]> e : entries.entrySet()) {
            if (e.getKey().endsWith(".class")) {
                try {
                    ClassReader r = new ClassReader(e.getValue());
                    superOf.put(r.getClassName(), r.getSuperName());
                } catch (RuntimeException bad) {
                    // an unreadable class fails later, when it is loaded
                }
            }
        }
        threadClasses.add("java/lang/Thread");
        boolean grew = true;
        while (grew) {
            grew = false;
            for (Map.Entry<String, String> e : superOf.entrySet()) {
                if (threadClasses.contains(e.getValue()) && threadClasses.add(e.getKey())) {
                    grew = true;
                }
            }
        }
    }

    @Override
    protected Class<?> loadClass(String name, boolean resolve) throws ClassNotFoundException {
        synchronized (getClassLoadingLock(name)) {
            Class<?> c = findLoadedClass(name);
            if (c == null) {
                String internal = name.replace('.', '/');
                if (RUNTIME_CLASSES.contains(name) || api().hasClass(internal)) {
                    c = getParent().loadClass(name);
                } else if (isSuiteClass(internal)) {
                    c = findClass(name);
                } else {
                    throw new ClassNotFoundException(name);
                }
            }
            if (resolve) {
                resolveClass(c);
            }
            return c;
        }
    }

    @Override
    protected Class<?> findClass(String name) throws ClassNotFoundException {
        String internal = name.replace('.', '/');
        if (!isSuiteClass(internal)) {
            throw new ClassNotFoundException(name);
        }
        byte[] code = entries.get(internal + ".class");
        if (check == null) {
            check = new ClassCheck(api(), n -> isSuiteClass(n) ? entries.get(n + ".class") : null);
        }
        try {
            check.check(internal, code);
        } catch (LinkageError refused) {
            if (reported.add(name)) {
                System.err.println("emulator: class " + name + " of the MIDlet suite refused: "
                        + refused);
            }
            throw refused;
        }
        byte[] out = rewrite(code);
        return defineClass(name, out, 0, out.length);
    }

    /**
     * A file of the jar by its name in the jar ("a.png", "data/b.bin"), or null: never a name
     * that leads out of the jar's folders ("..", "/" at the start, an empty part).
     */
    @Override
    public InputStream getResourceAsStream(String name) {
        if (name == null || name.isEmpty() || name.startsWith("/") || name.endsWith("/")) {
            return null;
        }
        for (String part : name.split("/", -1)) {
            if (part.isEmpty() || part.equals(".") || part.equals("..")) {
                return null;
            }
        }
        byte[] data = entries.get(name);
        return data == null ? null : new ByteArrayInputStream(data);
    }

    @Override
    public java.net.URL getResource(String name) {
        return null; // the game's files are read with getResourceAsStream only
    }

    @Override
    public Enumeration<java.net.URL> getResources(String name) {
        return java.util.Collections.emptyEnumeration();
    }

    byte[] rewrite(byte[] code) {
        ClassReader reader = new ClassReader(code);
        ClassWriter writer = new ClassWriter(ClassWriter.COMPUTE_MAXS);
        Map<String, String> names = new HashMap<>();
        names.put("java/util/Timer", "avizad/emulator/VTimer");
        names.put("java/util/TimerTask", "avizad/emulator/VTimerTask");
        ClassVisitor remap = new ClassRemapper(writer, new SimpleRemapper(names));
        ClassVisitor calls = new ClassVisitor(Opcodes.ASM9, remap) {
            @Override
            public MethodVisitor visitMethod(
                    int access, String name, String desc, String sig, String[] exceptions) {
                return new CallRewriter(super.visitMethod(access, name, desc, sig, exceptions));
            }
        };
        reader.accept(calls, 0);
        return writer.toByteArray();
    }

    private final class CallRewriter extends MethodVisitor {
        CallRewriter(MethodVisitor next) {
            super(Opcodes.ASM9, next);
        }

        @Override
        public void visitAttribute(Attribute attribute) {
            // CLDC stack maps describe the original code; the Java SE verifier does not need them
        }

        @Override
        public void visitMethodInsn(int op, String owner, String name, String desc, boolean itf) {
            String key = name + desc;
            if (op == Opcodes.INVOKESTATIC && owner.equals("java/lang/System")) {
                if (key.equals("currentTimeMillis()J")) {
                    super.visitMethodInsn(op, VM_CLASS, name, desc, false);
                    return;
                }
                if (key.equals("exit(I)V")
                        || key.equals("getProperty(Ljava/lang/String;)Ljava/lang/String;")) {
                    super.visitMethodInsn(op, SANDBOX, name, desc, false);
                    return;
                }
            }
            if (op == Opcodes.INVOKEVIRTUAL && owner.equals("java/lang/Runtime")
                    && key.equals("exit(I)V")) {
                super.visitMethodInsn(Opcodes.INVOKESTATIC, SANDBOX, name,
                        "(Ljava/lang/Runtime;I)V", false);
                return;
            }
            if (owner.equals("java/lang/Class")) {
                // Class.forName and newInstance stay the game's own calls (they depend on the
                // caller), checked first; resources come from the jar only.
                if (op == Opcodes.INVOKESTATIC
                        && key.equals("forName(Ljava/lang/String;)Ljava/lang/Class;")) {
                    super.visitMethodInsn(Opcodes.INVOKESTATIC, SANDBOX, "className",
                            "(Ljava/lang/String;)Ljava/lang/String;", false);
                } else if (op == Opcodes.INVOKEVIRTUAL
                        && key.equals("newInstance()Ljava/lang/Object;")) {
                    super.visitMethodInsn(Opcodes.INVOKESTATIC, SANDBOX, "instantiable",
                            "(Ljava/lang/Class;)Ljava/lang/Class;", false);
                } else if (op == Opcodes.INVOKEVIRTUAL && key.equals(
                        "getResourceAsStream(Ljava/lang/String;)Ljava/io/InputStream;")) {
                    super.visitMethodInsn(Opcodes.INVOKESTATIC, SANDBOX, "resource",
                            "(Ljava/lang/Class;Ljava/lang/String;)Ljava/io/InputStream;", false);
                    return;
                }
            }
            if (threadClasses.contains(owner)) {
                if (op == Opcodes.INVOKESTATIC
                        && (key.equals("sleep(J)V") || key.equals("yield()V")
                                || key.equals("currentThread()Ljava/lang/Thread;"))) {
                    super.visitMethodInsn(op, VM_CLASS, name, desc, false);
                    return;
                }
                if (op == Opcodes.INVOKEVIRTUAL
                        && (key.equals("start()V") || key.equals("join()V")
                                || key.equals("isAlive()Z") || key.equals("interrupt()V"))) {
                    super.visitMethodInsn(Opcodes.INVOKESTATIC, VM_CLASS, name,
                            "(Ljava/lang/Thread;)" + desc.substring(2), false);
                    return;
                }
            }
            if (op == Opcodes.INVOKEVIRTUAL && !itf) {
                // Object.wait and notify are final: whatever the owner, they are Object's.
                if (name.equals("wait") && (desc.equals("()V") || desc.equals("(J)V")
                        || desc.equals("(JI)V"))) {
                    super.visitMethodInsn(Opcodes.INVOKESTATIC, VM_CLASS, "waitOn",
                            "(Ljava/lang/Object;" + desc.substring(1), false);
                    return;
                }
                if ((name.equals("notify") || name.equals("notifyAll")) && desc.equals("()V")) {
                    super.visitMethodInsn(Opcodes.INVOKESTATIC, VM_CLASS, name + "On",
                            "(Ljava/lang/Object;)V", false);
                    return;
                }
            }
            if (op == Opcodes.INVOKESPECIAL && name.equals("<init>") && desc.equals("()V")) {
                if (owner.equals("java/util/Random")) {
                    super.visitMethodInsn(Opcodes.INVOKESTATIC, VM_CLASS, "randomSeed", "()J",
                            false);
                    super.visitMethodInsn(op, owner, name, "(J)V", false);
                    return;
                }
                if (owner.equals("java/util/Date")) {
                    super.visitMethodInsn(
                            Opcodes.INVOKESTATIC, VM_CLASS, "currentTimeMillis", "()J", false);
                    super.visitMethodInsn(op, owner, name, "(J)V", false);
                    return;
                }
            }
            if (op == Opcodes.INVOKESTATIC && owner.equals("java/util/Calendar")
                    && name.equals("getInstance")) {
                super.visitMethodInsn(op, VM_CLASS, "calendar", desc, false);
                return;
            }
            super.visitMethodInsn(op, owner, name, desc, itf);
        }
    }
}
