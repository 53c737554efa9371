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
 * Loads the classes and resources of a MIDlet suite jar. Each class is rewritten on loading so
 * that its view of time and threads goes through {@link VM}: System.currentTimeMillis, the
 * Thread calls, Object.wait and notify, new Random(), new Date(), Calendar.getInstance,
 * java.util.Timer and TimerTask.
 */
public final class GameLoader extends ClassLoader {
    private static final String VM_CLASS = "avizad/emulator/VM";
    private final Map<String, byte[]> entries = new HashMap<>();
    private final Set<String> threadClasses = new HashSet<>();

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
    protected Class<?> findClass(String name) throws ClassNotFoundException {
        byte[] code = entries.get(name.replace('.', '/') + ".class");
        if (code == null) {
            throw new ClassNotFoundException(name);
        }
        byte[] out = rewrite(code);
        return defineClass(name, out, 0, out.length);
    }

    @Override
    public InputStream getResourceAsStream(String name) {
        byte[] data = entries.get(name.startsWith("/") ? name.substring(1) : name);
        if (data != null) {
            return new ByteArrayInputStream(data);
        }
        return name.endsWith(".class") ? null : super.getResourceAsStream(name);
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
                if (key.equals("exit(I)V")) {
                    super.visitMethodInsn(op, "avizad/emulator/Device", name, desc, false);
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
