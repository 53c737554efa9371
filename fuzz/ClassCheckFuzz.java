import avizad.emulator.ClassCheck;
import java.io.IOException;
import java.io.InputStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Random;
import java.util.Set;
import java.util.stream.Stream;
import org.objectweb.asm.ClassReader;
import org.objectweb.asm.ClassVisitor;
import org.objectweb.asm.FieldVisitor;
import org.objectweb.asm.Handle;
import org.objectweb.asm.Label;
import org.objectweb.asm.MethodVisitor;
import org.objectweb.asm.Opcodes;
import org.objectweb.asm.Type;

/**
 * Feeds mutated class files to the emulator's check of a game's classes (ClassCheck), with a
 * fixed seed, for a given time, and stops at the first finding:
 *
 * <ul>
 *   <li>the check throws anything but the linkage errors that refuse a class (an exception of
 *       its own, a stack overflow, running out of memory), or takes more than 10 s;
 *   <li>the check accepts a class that names a class neither of the suite nor of the API, or
 *       a field or method those classes do not have: the classes and members of every
 *       instruction, type, field, method, super type, exception handler and thrown exception,
 *       as an independent reader of class files (ASM, which the emulator also rewrites the
 *       classes with) sees them.
 * </ul>
 *
 * The seeds are the class files below a folder; each input is one of them mutated: bits
 * flipped, bytes set to edge values, cut short, bytes inserted or removed, a part of another
 * seed spliced in, and, knowing the constant pool, a text replaced by a name from outside the
 * sandbox or a reference pointed at another entry. The other seeds are the input's suite.
 * A finding is written to the working folder as finding-N.class.
 *
 * <p>Usage: ClassCheckFuzz API_LIST SEED_FOLDER SECONDS [SEED]
 */
public final class ClassCheckFuzz {
    private static final String[] WORDS = {
        "java/io/File", "java/lang/Runtime", "java/lang/Process", "java/lang/ProcessBuilder",
        "java/lang/reflect/Method", "java/lang/ClassLoader", "java/lang/Foo", "javax/swing/JFrame",
        "avizad/emulator/Device", "avizad/emulator/VM", "sun/misc/Unsafe", "exec", "exit",
        "forName", "getDeclaredMethod", "<init>", "<clinit>", "(Ljava/lang/String;)Ljava/lang/Process;",
        "()Ljava/lang/Runtime;", "Ljava/io/File;", "[Ljava/io/File;", "[[Ljava/lang/Process;",
        "(Ljava/io/File;)V", "()V", "(I)V", "[I", "[Ljava/lang/String;", "java/lang/Object",
        "java/lang/String", "java/lang/System", "out", "Ljava/io/PrintStream;", "format",
        "(Ljava/lang/String;[Ljava/lang/Object;)Ljava/lang/String;", "", "L;", "java//File",
        "java.io.File", "Ljava/io/File", "(Ljava/io/File;", "[", "[[[[[[[[[[[[[[[[[[[[[[[[[I",
    };
    private static final int[] EDGES = {0, 1, 2, 7, 8, 9, 10, 11, 12, 15, 18, 0x2E, 0x30, 0x31,
        0x34, 0x7F, 0x80, 0xFE, 0xFF};

    private final ClassCheck.Api api;
    private final List<byte[]> seeds = new ArrayList<>();
    private final List<String> names = new ArrayList<>();
    private final Random random;

    private ClassCheckFuzz(ClassCheck.Api api, long seed) {
        this.api = api;
        this.random = new Random(seed);
    }

    public static void main(String[] args) throws Exception {
        if (args.length < 3) {
            System.err.println("usage: ClassCheckFuzz API_LIST SEED_FOLDER SECONDS [SEED]");
            System.exit(2);
        }
        ClassCheck.Api api;
        try (InputStream in = Files.newInputStream(Path.of(args[0]))) {
            api = ClassCheck.Api.read(in);
        }
        long seed = args.length > 3 ? Long.parseLong(args[3]) : 1;
        ClassCheckFuzz fuzz = new ClassCheckFuzz(api, seed);
        fuzz.readSeeds(Path.of(args[1]));
        System.exit(fuzz.run(Long.parseLong(args[2]) * 1000) ? 0 : 1);
    }

    private void readSeeds(Path folder) throws IOException {
        List<Path> files = new ArrayList<>();
        try (Stream<Path> walk = Files.walk(folder)) {
            walk.filter(p -> p.toString().endsWith(".class")).sorted().forEach(files::add);
        }
        for (Path f : files) {
            byte[] bytes = Files.readAllBytes(f);
            seeds.add(bytes);
            names.add(new ClassReader(bytes).getClassName());
        }
        if (seeds.isEmpty()) {
            throw new IOException("no class files below " + folder);
        }
    }

    /** The suite of an input: the seeds, the input in place of its own class. */
    private ClassCheck.Suite suiteWith(String name, byte[] input) {
        Map<String, byte[]> classes = new HashMap<>();
        for (int i = 0; i < seeds.size(); i++) {
            classes.put(names.get(i), seeds.get(i));
        }
        classes.put(name, input);
        return classes::get;
    }

    private boolean run(long millis) throws InterruptedException {
        long end = System.currentTimeMillis() + millis;
        long inputs = 0;
        long accepted = 0;
        Map<String, Integer> refusals = new HashMap<>();
        // The seeds themselves first: what the toolkit compiled against the API is accepted.
        int seedsAccepted = 0;
        for (int i = 0; i < seeds.size(); i++) {
            if (check(names.get(i), seeds.get(i), refusals) == Outcome.ACCEPTED) {
                seedsAccepted++;
            }
        }
        while (System.currentTimeMillis() < end) {
            int which = random.nextInt(seeds.size());
            byte[] input = mutate(seeds.get(which));
            inputs++;
            Outcome outcome = check(names.get(which), input, refusals);
            if (outcome == Outcome.FINDING) {
                return false;
            }
            if (outcome == Outcome.ACCEPTED) {
                accepted++;
            }
        }
        System.out.println("class check fuzz: " + seeds.size() + " seeds (" + seedsAccepted
                + " accepted), " + inputs + " inputs, " + accepted + " accepted, refused: "
                + refusals);
        return true;
    }

    private enum Outcome { ACCEPTED, REFUSED, FINDING }

    private Outcome check(String name, byte[] input, Map<String, Integer> refusals)
            throws InterruptedException {
        ClassCheck check = new ClassCheck(api, suiteWith(name, input));
        Throwable[] thrown = {null};
        Thread worker = new Thread(null, () -> {
            try {
                check.check(name, input);
            } catch (Throwable t) {
                thrown[0] = t;
            }
        }, "check", 1 << 20);
        worker.start();
        worker.join(10000);
        if (worker.isAlive()) {
            return finding(input, "the check took more than 10 s", null);
        }
        Throwable t = thrown[0];
        if (t == null) {
            String outside = firstOutsideName(check, input);
            return outside == null ? Outcome.ACCEPTED
                    : finding(input, "accepted a class that names " + outside, null);
        }
        if (t instanceof LinkageError) {
            refusals.merge(t.getClass().getSimpleName(), 1, Integer::sum);
            return Outcome.REFUSED;
        }
        return finding(input, "the check threw " + t, t);
    }

    private Outcome finding(byte[] input, String what, Throwable t) {
        try {
            int n = 0;
            Path file;
            do {
                file = Path.of("finding-" + (++n) + ".class");
            } while (Files.exists(file));
            Files.write(file, input);
            System.out.println("FINDING: " + what + " (input written to " + file + ")");
        } catch (IOException e) {
            System.out.println("FINDING: " + what + " (cannot write the input: " + e + ")");
        }
        if (t != null) {
            t.printStackTrace(System.out);
        }
        return Outcome.FINDING;
    }

    /**
     * The first class the input names, as ASM reads it, that is neither the suite's nor the
     * API's; null when there is none or ASM cannot read the input (then the virtual machine
     * cannot define it either).
     */
    private static String firstOutsideName(ClassCheck check, byte[] input) {
        Set<String> named = new HashSet<>();
        List<String[]> members = new ArrayList<>();
        try {
            new ClassReader(input).accept(new Collector(named, members), ClassReader.SKIP_FRAMES);
        } catch (RuntimeException e) {
            return null;
        }
        for (String n : named) {
            if (n == null || !check.isAllowedClass(n)) {
                return "class " + n;
            }
        }
        for (String[] m : members) {
            if (!check.resolves(m[0], m[1], m[2])) {
                return "member " + m[0] + "." + m[1] + m[2];
            }
        }
        return null;
    }

    /** Gathers the classes a class names where the virtual machine links them. */
    private static final class Collector extends ClassVisitor {
        private final Set<String> named;
        private final List<String[]> members;

        Collector(Set<String> named, List<String[]> members) {
            super(Opcodes.ASM9);
            this.named = named;
            this.members = members;
        }

        void type(Type t) {
            if (t.getSort() == Type.ARRAY) {
                t = t.getElementType();
            }
            if (t.getSort() == Type.OBJECT) {
                named.add(t.getInternalName());
            } else if (t.getSort() == Type.METHOD) {
                for (Type a : t.getArgumentTypes()) {
                    type(a);
                }
                type(t.getReturnType());
            }
        }

        void internal(String name) {
            if (name != null) {
                type(name.startsWith("[") ? Type.getType(name) : Type.getObjectType(name));
            }
        }

        @Override
        public void visit(int version, int access, String name, String signature,
                String superName, String[] interfaces) {
            internal(superName);
            if (interfaces != null) {
                for (String i : interfaces) {
                    internal(i);
                }
            }
        }

        @Override
        public FieldVisitor visitField(int access, String name, String desc, String signature,
                Object value) {
            type(Type.getType(desc));
            return null;
        }

        @Override
        public MethodVisitor visitMethod(int access, String name, String desc, String signature,
                String[] exceptions) {
            type(Type.getMethodType(desc));
            if (exceptions != null) {
                for (String e : exceptions) {
                    internal(e);
                }
            }
            return new MethodVisitor(Opcodes.ASM9) {
                @Override
                public void visitTypeInsn(int op, String t) {
                    internal(t);
                }

                @Override
                public void visitFieldInsn(int op, String owner, String n, String d) {
                    internal(owner);
                    type(Type.getType(d));
                    members.add(new String[] {owner, n, d});
                }

                @Override
                public void visitMethodInsn(int op, String owner, String n, String d,
                        boolean itf) {
                    internal(owner);
                    type(Type.getMethodType(d));
                    members.add(new String[] {owner, n, d});
                }

                @Override
                public void visitLdcInsn(Object value) {
                    if (value instanceof Type) {
                        type((Type) value);
                    } else if (value instanceof Handle) {
                        internal(((Handle) value).getOwner());
                    }
                }

                @Override
                public void visitMultiANewArrayInsn(String d, int dims) {
                    type(Type.getType(d));
                }

                @Override
                public void visitTryCatchBlock(Label start, Label end, Label handler,
                        String t) {
                    internal(t);
                }
            };
        }
    }

    // ---------------------------------------------------------------- mutations

    private byte[] mutate(byte[] seed) {
        byte[] b = seed.clone();
        int count = 1 + random.nextInt(4);
        for (int i = 0; i < count; i++) {
            b = mutateOnce(b);
        }
        return b;
    }

    private byte[] mutateOnce(byte[] b) {
        if (b.length == 0) {
            return new byte[] {(byte) random.nextInt(256)};
        }
        int at = random.nextInt(b.length);
        switch (random.nextInt(9)) {
            case 0:
                b[at] ^= (byte) (1 << random.nextInt(8));
                return b;
            case 1:
                b[at] = (byte) EDGES[random.nextInt(EDGES.length)];
                return b;
            case 2: {
                int v = EDGES[random.nextInt(EDGES.length)];
                b[at] = (byte) (v >> 8 == 0 ? random.nextInt(2) : v >> 8);
                if (at + 1 < b.length) {
                    b[at + 1] = (byte) v;
                }
                return b;
            }
            case 3:
                return java.util.Arrays.copyOf(b, at);
            case 4: {
                int n = 1 + random.nextInt(8);
                byte[] out = new byte[b.length + n];
                System.arraycopy(b, 0, out, 0, at);
                for (int i = 0; i < n; i++) {
                    out[at + i] = (byte) random.nextInt(256);
                }
                System.arraycopy(b, at, out, at + n, b.length - at);
                return out;
            }
            case 5: {
                int n = Math.min(b.length - at, 1 + random.nextInt(16));
                byte[] out = new byte[b.length - n];
                System.arraycopy(b, 0, out, 0, at);
                System.arraycopy(b, at + n, out, at, b.length - at - n);
                return out;
            }
            case 6: {
                byte[] other = seeds.get(random.nextInt(seeds.size()));
                int from = random.nextInt(other.length);
                int n = Math.min(Math.min(other.length - from, b.length - at),
                        1 + random.nextInt(64));
                System.arraycopy(other, from, b, at, n);
                return b;
            }
            case 7:
                return replaceText(b);
            default:
                return repointReference(b);
        }
    }

    /** The offsets of the constant pool's entries (0 for the second slot of a long), or null. */
    private static int[] poolOffsets(byte[] b) {
        try {
            int count = ((b[8] & 0xFF) << 8) | (b[9] & 0xFF);
            int[] offsets = new int[count];
            int at = 10;
            for (int i = 1; i < count; i++) {
                if (at >= b.length) {
                    return null;
                }
                offsets[i] = at;
                int tag = b[at] & 0xFF;
                switch (tag) {
                    case 1: at += 3 + (((b[at + 1] & 0xFF) << 8) | (b[at + 2] & 0xFF)); break;
                    case 3: case 4: at += 5; break;
                    case 5: case 6: at += 9; i++; break;
                    case 7: case 8: case 16: case 19: case 20: at += 3; break;
                    case 9: case 10: case 11: case 12: case 17: case 18: at += 5; break;
                    case 15: at += 4; break;
                    default: return null;
                }
            }
            return offsets;
        } catch (ArrayIndexOutOfBoundsException e) {
            return null;
        }
    }

    /** A text of the constant pool replaced by a name from outside the sandbox. */
    private byte[] replaceText(byte[] b) {
        int[] offsets = poolOffsets(b);
        if (offsets == null) {
            return b;
        }
        List<Integer> texts = new ArrayList<>();
        for (int i = 1; i < offsets.length; i++) {
            if (offsets[i] != 0 && (b[offsets[i]] & 0xFF) == 1) {
                texts.add(offsets[i]);
            }
        }
        if (texts.isEmpty()) {
            return b;
        }
        int at = texts.get(random.nextInt(texts.size()));
        if (at + 3 > b.length) {
            return b;
        }
        int oldLength = ((b[at + 1] & 0xFF) << 8) | (b[at + 2] & 0xFF);
        if (at + 3 + oldLength > b.length) {
            return b;
        }
        byte[] word = WORDS[random.nextInt(WORDS.length)]
                .getBytes(java.nio.charset.StandardCharsets.UTF_8);
        byte[] out = new byte[b.length - oldLength + word.length];
        System.arraycopy(b, 0, out, 0, at + 1);
        out[at + 1] = (byte) (word.length >> 8);
        out[at + 2] = (byte) word.length;
        System.arraycopy(word, 0, out, at + 3, word.length);
        System.arraycopy(b, at + 3 + oldLength, out, at + 3 + word.length,
                b.length - at - 3 - oldLength);
        return out;
    }

    /** An index inside an entry of the constant pool pointed at another entry. */
    private byte[] repointReference(byte[] b) {
        int[] offsets = poolOffsets(b);
        if (offsets == null || offsets.length < 3) {
            return b;
        }
        int entry = 1 + random.nextInt(offsets.length - 1);
        int at = offsets[entry];
        if (at == 0) {
            return b;
        }
        int tag = b[at] & 0xFF;
        int slot;
        if (tag == 7 || tag == 8) {
            slot = at + 1;
        } else if (tag >= 9 && tag <= 12) {
            slot = at + 1 + 2 * random.nextInt(2);
        } else {
            return b;
        }
        if (slot + 1 >= b.length) {
            return b;
        }
        int target = random.nextInt(offsets.length + 2);
        b[slot] = (byte) (target >> 8);
        b[slot + 1] = (byte) target;
        return b;
    }
}
