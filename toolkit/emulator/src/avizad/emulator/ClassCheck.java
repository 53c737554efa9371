package avizad.emulator;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.io.Writer;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeMap;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;

/**
 * The check a phone makes of a class of a MIDlet suite before it is defined: the class may
 * name only the suite's own classes and the public API of CLDC 1.1 / MIDP 2.0, the classes
 * and members our API libraries (cldcapi11.jar, midpapi20.jar) declare. Every class in the
 * constant pool, every field and method it refers to (found in the class named or, as the
 * virtual machine finds it, in its super classes and interfaces), and every type in its
 * descriptors and those of its own fields and methods is checked; so is the form of the
 * class file as far as the check reads it, and its version (at most 48, Java 1.4, as CLDC
 * loads). Anything else refuses the class with {@link NoClassDefFoundError}, the one linkage
 * error of CLDC 1.1, as a phone refuses it; its message names the class and what it names
 * ("class Evil uses method java.lang.Runtime.exec(java.lang.String[]), which is not part of
 * CLDC 1.1 / MIDP 2.0 or of the MIDlet suite").
 *
 * <p>The check reads the class file itself, without a library, and only what it needs: the
 * constant pool, the super class and interfaces, and the fields' and methods' names and
 * descriptors. It depends on nothing but java.base, so that a fuzzer can drive it alone.
 */
public final class ClassCheck {
    /** The newest class file version CLDC 1.1 loads (Java 1.4). */
    public static final int MAX_VERSION = 48;
    private static final String API_NAME = "CLDC 1.1 / MIDP 2.0";

    /** The public API: its classes with their super types and members. */
    public static final class Api {
        final Map<String, ApiClass> classes = new HashMap<>();

        /** Whether the API has a class of this internal name ("java/lang/String"). */
        public boolean hasClass(String internalName) {
            return classes.containsKey(internalName);
        }

        /** Whether the API class itself declares this member ("name" + " " + descriptor). */
        public boolean declares(String internalName, String name, String descriptor) {
            ApiClass c = classes.get(internalName);
            return c != null && c.has(name + " " + descriptor);
        }

        /**
         * Reads the list {@link #write} writes: a line "CLASS SUPER INTERFACE..." ("-" for no
         * super class) for each class, followed by a line " NAME DESCRIPTOR" for each of its
         * members. The members stay one text per class, searched when asked: the emulator
         * reads the list as it starts.
         */
        public static Api read(InputStream in) throws IOException {
            Api api = new Api();
            String text = new String(in.readAllBytes(), StandardCharsets.UTF_8);
            int at = 0;
            while (at < text.length()) {
                int end = text.indexOf('\n', at);
                if (end < 0) {
                    end = text.length();
                }
                if (text.charAt(at) == ' ' || end == at) {
                    throw new IOException("a member without its class at offset " + at);
                }
                // The members: the lines after the class's, up to the next class.
                int next = end;
                while (next + 1 < text.length() && text.charAt(next + 1) == ' ') {
                    next = text.indexOf('\n', next + 1);
                    if (next < 0) {
                        next = text.length();
                    }
                }
                String[] w = text.substring(at, end).split(" ");
                if (w.length < 2) {
                    throw new IOException("bad line: " + text.substring(at, end));
                }
                String members = next < text.length() ? text.substring(end, next + 1)
                        : text.substring(end) + "\n";
                api.classes.put(w[0], new ApiClass(w[1].equals("-") ? null : w[1],
                        java.util.Arrays.copyOfRange(w, 2, w.length), members));
                at = next + 1;
            }
            return api;
        }

        /** The API of the public classes of these jars: public and protected members. */
        public static Api ofJars(List<String> jars) throws IOException {
            Api api = new Api();
            for (String jar : jars) {
                try (ZipFile zip = new ZipFile(jar)) {
                    Enumeration<? extends ZipEntry> e = zip.entries();
                    while (e.hasMoreElements()) {
                        ZipEntry entry = e.nextElement();
                        if (!entry.getName().endsWith(".class")) {
                            continue;
                        }
                        byte[] bytes;
                        try (InputStream in = zip.getInputStream(entry)) {
                            bytes = in.readAllBytes();
                        }
                        Parsed p = Parsed.parse(bytes);
                        if ((p.access & ACC_PUBLIC) == 0) {
                            continue;
                        }
                        java.util.TreeSet<String> members = new java.util.TreeSet<>();
                        for (String[] m : p.members) {
                            int access = Integer.parseInt(m[2]);
                            if ((access & (ACC_PUBLIC | ACC_PROTECTED)) != 0) {
                                members.add(m[0] + " " + m[1]);
                            }
                        }
                        StringBuilder block = new StringBuilder("\n");
                        for (String m : members) {
                            block.append(' ').append(m).append('\n');
                        }
                        api.classes.put(p.name,
                                new ApiClass(p.superName, p.interfaces, block.toString()));
                    }
                }
            }
            return api;
        }

        /** Writes the list {@link #read} reads, in name order. */
        public void write(Writer out) throws IOException {
            for (Map.Entry<String, ApiClass> e : new TreeMap<>(classes).entrySet()) {
                ApiClass c = e.getValue();
                out.write(e.getKey() + " " + (c.superName == null ? "-" : c.superName));
                for (String i : c.interfaces) {
                    out.write(" " + i);
                }
                out.write(c.members);
            }
        }
    }

    static final class ApiClass {
        final String superName;
        final String[] interfaces;
        /** "\n NAME DESCRIPTOR\n NAME DESCRIPTOR\n...": a line for each member. */
        final String members;

        ApiClass(String superName, String[] interfaces, String members) {
            this.superName = superName;
            this.interfaces = interfaces;
            this.members = members;
        }

        /** Whether the class declares the member "NAME DESCRIPTOR". */
        boolean has(String member) {
            int at = members.indexOf(member);
            while (at >= 0) {
                int end = at + member.length();
                if (members.charAt(at - 1) == ' ' && members.charAt(at - 2) == '\n'
                        && end < members.length() && members.charAt(end) == '\n') {
                    return true;
                }
                at = members.indexOf(member, at + 1);
            }
            return false;
        }
    }

    /** The classes of the MIDlet suite: internal name to class file. */
    public interface Suite {
        /** The class file of a suite class, or null when the suite has no such class. */
        byte[] classFile(String internalName);
    }

    private final Api api;
    private final Suite suite;
    /** Suite classes read for their members (null: unreadable). */
    private final Map<String, Parsed> parsedSuite = new HashMap<>();

    public ClassCheck(Api api, Suite suite) {
        this.api = api;
        this.suite = suite;
    }

    /** Whether a class of this internal name is the suite's or the API's. */
    public boolean isAllowedClass(String internalName) {
        return api.hasClass(internalName) || suite.classFile(internalName) != null;
    }

    /**
     * Checks a class file of the suite that should define the class `internalName`; throws
     * NoClassDefFoundError when the class is refused.
     */
    public void check(String internalName, byte[] bytes) {
        try {
            checkClass(internalName, bytes);
        } catch (ClassFormatError e) {
            throw new NoClassDefFoundError(javaName(internalName) + ": " + e.getMessage());
        }
    }

    private void checkClass(String internalName, byte[] bytes) {
        Parsed p = Parsed.parse(bytes);
        if (p.major > MAX_VERSION || p.major < 45) {
            throw new ClassFormatError("class file version " + p.major + ", but " + API_NAME
                    + " loads versions 45 to " + MAX_VERSION);
        }
        if (!p.name.equals(internalName)) {
            throw new NoClassDefFoundError(internalName + " (wrong name: " + p.name + ")");
        }
        if (p.superName == null) {
            throw new ClassFormatError(javaName(internalName) + ": no super class");
        }
        String who = "class " + javaName(internalName);
        for (int i = 1; i < p.tags.length; i++) {
            switch (p.tags[i]) {
                case TAG_CLASS:
                    checkClassName(who, p.className(i));
                    break;
                case TAG_FIELD:
                case TAG_METHOD:
                case TAG_INTERFACE_METHOD: {
                    String owner = p.className(p.a[i]);
                    String name = p.utf(p.a[p.b[i]]);
                    String desc = p.utf(p.b[p.b[i]]);
                    boolean field = p.tags[i] == TAG_FIELD;
                    checkMember(who, owner, name, desc, field);
                    break;
                }
                case TAG_NAME_AND_TYPE:
                    checkDescriptor(who, p.utf(p.b[i]), p.utf(p.b[i]).startsWith("("));
                    break;
                default:
                    break;
            }
        }
        for (String[] m : p.members) {
            checkDescriptor(who, m[1], m[1].startsWith("("));
        }
    }

    private void checkClassName(String who, String name) {
        if (name.startsWith("[")) {
            checkDescriptor(who, name, false);
            return;
        }
        checkName(name);
        if (!isAllowedClass(name)) {
            throw refused(who, "class " + javaName(name));
        }
    }

    /**
     * Every class a descriptor names must be allowed (unless `who` is null: the form only);
     * a malformed one is refused.
     */
    private void checkDescriptor(String who, String desc, boolean method) {
        int at = 0;
        int n = desc.length();
        if (method) {
            if (n == 0 || desc.charAt(0) != '(') {
                throw new ClassFormatError("bad method descriptor " + desc);
            }
            at = 1;
            while (at < n && desc.charAt(at) != ')') {
                at = checkType(who, desc, at, false);
            }
            if (at >= n) {
                throw new ClassFormatError("bad method descriptor " + desc);
            }
            at = checkType(who, desc, at + 1, true);
        } else {
            at = checkType(who, desc, 0, false);
        }
        if (at != n) {
            throw new ClassFormatError("bad descriptor " + desc);
        }
    }

    /** Checks the type at `at`; returns the index after it. */
    private int checkType(String who, String desc, int at, boolean mayBeVoid) {
        int dims = 0;
        while (at < desc.length() && desc.charAt(at) == '[') {
            at++;
            if (++dims > 255) {
                throw new ClassFormatError("more than 255 array dimensions in " + desc);
            }
        }
        if (at >= desc.length()) {
            throw new ClassFormatError("bad descriptor " + desc);
        }
        char c = desc.charAt(at);
        switch (c) {
            case 'B': case 'C': case 'D': case 'F': case 'I': case 'J': case 'S': case 'Z':
                return at + 1;
            case 'V':
                if (!mayBeVoid || dims > 0) {
                    throw new ClassFormatError("bad descriptor " + desc);
                }
                return at + 1;
            case 'L': {
                int end = desc.indexOf(';', at);
                if (end < 0) {
                    throw new ClassFormatError("bad descriptor " + desc);
                }
                String name = desc.substring(at + 1, end);
                checkName(name);
                if (who != null && !isAllowedClass(name)) {
                    throw refused(who, "class " + javaName(name));
                }
                return end + 1;
            }
            default:
                throw new ClassFormatError("bad descriptor " + desc);
        }
    }

    /** An internal class name: parts separated by "/", none empty, none holding . ; [ */
    private static void checkName(String name) {
        if (name.isEmpty() || name.startsWith("/") || name.endsWith("/")
                || name.contains("//")) {
            throw new ClassFormatError("bad class name \"" + name + "\"");
        }
        for (int i = 0; i < name.length(); i++) {
            char c = name.charAt(i);
            if (c == '.' || c == ';' || c == '[') {
                throw new ClassFormatError("bad class name \"" + name + "\"");
            }
        }
    }

    private void checkMember(String who, String owner, String name, String desc, boolean field) {
        checkClassName(who, owner);
        checkDescriptor(null, desc, !field); // its form first: the message quotes it
        if (name.isEmpty()) {
            throw new ClassFormatError("empty member name");
        }
        if (field == desc.startsWith("(")) {
            throw new ClassFormatError("bad descriptor " + desc + " of " + name);
        }
        if (!resolves(owner, name, desc)) {
            String what = (field ? "field " : "method ") + javaName(owner) + "."
                    + (field ? name : name + javaParameters(desc));
            throw refused(who, what);
        }
        checkDescriptor(who, desc, !field);
    }

    /**
     * Whether a field or method of a class of the suite or of the API (an array's too) is
     * found, as the virtual machine finds it: in the class, then its super classes, then its
     * interfaces; a constructor only in the class itself.
     */
    public boolean resolves(String owner, String name, String desc) {
        boolean field = !desc.startsWith("(");
        if (owner.startsWith("[")) {
            // An array has the methods of Object, and clone().
            return !field && (name.equals("clone") && desc.equals("()Ljava/lang/Object;")
                    || !name.startsWith("<") && has("java/lang/Object", name, desc, false,
                            new HashSet<>()));
        }
        if (name.equals("<init>") || name.equals("<clinit>")) {
            return !field && declares(owner, name, desc); // not inherited
        }
        return has(owner, name, desc, field, new HashSet<>());
    }

    /** Whether the class itself (the suite's or the API's) declares the member. */
    private boolean declares(String owner, String name, String desc) {
        if (api.hasClass(owner)) {
            return api.declares(owner, name, desc);
        }
        if (suite.classFile(owner) == null) {
            return false;
        }
        Parsed p = suiteClass(owner);
        return p == null || p.declares(name, desc); // a refused class never loads
    }

    /** Whether the member is found in the class, its super classes or its interfaces. */
    private boolean has(String owner, String name, String desc, boolean field,
            Set<String> seen) {
        if (owner == null || !seen.add(owner)) {
            return false;
        }
        String superName;
        String[] interfaces;
        ApiClass a = api.classes.get(owner);
        if (a != null) {
            if (a.has(name + " " + desc)) {
                return true;
            }
            superName = a.superName;
            interfaces = a.interfaces;
        } else {
            if (suite.classFile(owner) == null) {
                return false;
            }
            Parsed p = suiteClass(owner);
            if (p == null) {
                // A class of the suite that is refused itself: nothing reaches its members,
                // since it never loads (nor does a class that extends it).
                return true;
            }
            if (p.declares(name, desc)) {
                return true;
            }
            superName = p.superName;
            interfaces = p.interfaces;
        }
        if (has(superName, name, desc, field, seen)) {
            return true;
        }
        for (String i : interfaces) {
            if (has(i, name, desc, field, seen)) {
                return true;
            }
        }
        return false; // an interface's super class is Object: its methods were seen
    }

    private Parsed suiteClass(String name) {
        if (parsedSuite.containsKey(name)) {
            return parsedSuite.get(name);
        }
        byte[] bytes = suite.classFile(name);
        Parsed p = null;
        if (bytes != null) {
            try {
                p = Parsed.parse(bytes);
            } catch (ClassFormatError e) {
                p = null; // the class is refused when it is loaded
            }
        }
        parsedSuite.put(name, p);
        return p;
    }

    private static NoClassDefFoundError refused(String who, String what) {
        return new NoClassDefFoundError(who + " uses " + what + ", which is not part of "
                + API_NAME + " or of the MIDlet suite");
    }

    static String javaName(String internalName) {
        return internalName.replace('/', '.');
    }

    /** "(int,java.lang.String[])" for "(I[Ljava/lang/String;)V". */
    static String javaParameters(String desc) {
        StringBuilder sb = new StringBuilder("(");
        int at = 1;
        boolean first = true;
        while (at < desc.length() && desc.charAt(at) != ')') {
            int dims = 0;
            while (desc.charAt(at) == '[') {
                dims++;
                at++;
            }
            String type;
            char c = desc.charAt(at);
            if (c == 'L') {
                int end = desc.indexOf(';', at);
                type = javaName(desc.substring(at + 1, end));
                at = end + 1;
            } else {
                type = primitive(c);
                at++;
            }
            sb.append(first ? "" : ",").append(type);
            for (int i = 0; i < dims; i++) {
                sb.append("[]");
            }
            first = false;
        }
        return sb.append(")").toString();
    }

    private static String primitive(char c) {
        switch (c) {
            case 'B': return "byte";
            case 'C': return "char";
            case 'D': return "double";
            case 'F': return "float";
            case 'I': return "int";
            case 'J': return "long";
            case 'S': return "short";
            case 'Z': return "boolean";
            default: return "void";
        }
    }

    // ---------------------------------------------------------------- the class file

    static final int ACC_PUBLIC = 0x0001;
    static final int ACC_PROTECTED = 0x0004;
    private static final int TAG_UTF8 = 1;
    private static final int TAG_CLASS = 7;
    private static final int TAG_STRING = 8;
    private static final int TAG_FIELD = 9;
    private static final int TAG_METHOD = 10;
    private static final int TAG_INTERFACE_METHOD = 11;
    private static final int TAG_NAME_AND_TYPE = 12;

    /** What the check reads of a class file. */
    static final class Parsed {
        int major;
        int access;
        String name;
        String superName;
        String[] interfaces;
        /** Fields and methods: name, descriptor, access flags. */
        final List<String[]> members = new ArrayList<>();
        private final Set<String> memberKeys = new HashSet<>();
        int[] tags;
        int[] a;
        int[] b;
        String[] utf;

        boolean declares(String name, String desc) {
            return memberKeys.contains(name + " " + desc);
        }

        String utf(int index) {
            if (index <= 0 || index >= tags.length || tags[index] != TAG_UTF8) {
                throw new ClassFormatError("constant " + index + " is not a text");
            }
            return utf[index];
        }

        String className(int index) {
            if (index <= 0 || index >= tags.length || tags[index] != TAG_CLASS) {
                throw new ClassFormatError("constant " + index + " is not a class");
            }
            return utf(a[index]);
        }

        static Parsed parse(byte[] bytes) {
            Reader in = new Reader(bytes);
            Parsed p = new Parsed();
            if (in.u4() != 0xCAFEBABE) {
                throw new ClassFormatError("not a class file");
            }
            in.u2(); // minor version
            p.major = in.u2();
            int count = in.u2();
            if (count == 0) {
                throw new ClassFormatError("empty constant pool");
            }
            p.tags = new int[count];
            p.a = new int[count];
            p.b = new int[count];
            p.utf = new String[count];
            for (int i = 1; i < count; i++) {
                int tag = in.u1();
                p.tags[i] = tag;
                switch (tag) {
                    case TAG_UTF8:
                        p.utf[i] = in.utf8();
                        break;
                    case 3: case 4: // int, float
                        in.skip(4);
                        break;
                    case 5: case 6: // long, double: two entries
                        in.skip(8);
                        if (++i >= count) {
                            throw new ClassFormatError("a long constant at the end of the pool");
                        }
                        break;
                    case TAG_CLASS: case TAG_STRING:
                        p.a[i] = in.u2();
                        break;
                    case TAG_FIELD: case TAG_METHOD: case TAG_INTERFACE_METHOD:
                    case TAG_NAME_AND_TYPE:
                        p.a[i] = in.u2();
                        p.b[i] = in.u2();
                        break;
                    default:
                        throw new ClassFormatError("constant of kind " + tag
                                + ", which class files up to version " + MAX_VERSION
                                + " do not have");
                }
            }
            // Every reference inside the pool leads to an entry of the right kind.
            for (int i = 1; i < count; i++) {
                switch (p.tags[i]) {
                    case TAG_CLASS: case TAG_STRING:
                        p.utf(p.a[i]);
                        break;
                    case TAG_FIELD: case TAG_METHOD: case TAG_INTERFACE_METHOD:
                        p.className(p.a[i]);
                        if (p.b[i] <= 0 || p.b[i] >= count
                                || p.tags[p.b[i]] != TAG_NAME_AND_TYPE) {
                            throw new ClassFormatError("constant " + i + " has no name and type");
                        }
                        break;
                    case TAG_NAME_AND_TYPE:
                        p.utf(p.a[i]);
                        p.utf(p.b[i]);
                        break;
                    default:
                        break;
                }
            }
            p.access = in.u2();
            p.name = p.className(in.u2());
            int superIndex = in.u2();
            p.superName = superIndex == 0 ? null : p.className(superIndex);
            p.interfaces = new String[in.u2()];
            for (int i = 0; i < p.interfaces.length; i++) {
                p.interfaces[i] = p.className(in.u2());
            }
            for (int kind = 0; kind < 2; kind++) { // fields, then methods
                int members = in.u2();
                for (int i = 0; i < members; i++) {
                    int access = in.u2();
                    String name = p.utf(in.u2());
                    String desc = p.utf(in.u2());
                    if ((kind == 1) != desc.startsWith("(")) {
                        throw new ClassFormatError("bad descriptor " + desc + " of " + name);
                    }
                    p.members.add(new String[] {name, desc, Integer.toString(access)});
                    p.memberKeys.add(name + " " + desc);
                    p.attributes(in);
                }
            }
            p.attributes(in);
            if (in.at != bytes.length) {
                throw new ClassFormatError("extra bytes after the class");
            }
            return p;
        }

        private void need(int index, int... kinds) {
            if (index > 0 && index < tags.length) {
                for (int kind : kinds) {
                    if (tags[index] == kind) {
                        return;
                    }
                }
            }
            throw new ClassFormatError("constant " + index + " is not of the kind its use needs");
        }

        /**
         * Reads a list of attributes. Where the virtual machine (or a reader that rewrites the
         * class) takes constants from one, each must be of the kind it needs, so that nothing
         * reads a class or a member out of a constant of another kind: the instructions and
         * exception handlers of Code, Exceptions, InnerClasses and ConstantValue.
         */
        private void attributes(Reader in) {
            int count = in.u2();
            for (int i = 0; i < count; i++) {
                String name = utf(in.u2());
                int length = in.u4();
                int start = in.at;
                in.skip(length);
                Reader a = new Reader(in.bytes, start, start + length);
                switch (name) {
                    case "Code": code(a); break;
                    case "Exceptions": {
                        for (int n = a.u2(); n > 0; n--) {
                            need(a.u2(), TAG_CLASS);
                        }
                        break;
                    }
                    case "InnerClasses": {
                        for (int n = a.u2(); n > 0; n--) {
                            need(a.u2(), TAG_CLASS);
                            int outer = a.u2();
                            int inner = a.u2();
                            a.u2();
                            if (outer != 0) {
                                need(outer, TAG_CLASS);
                            }
                            if (inner != 0) {
                                need(inner, TAG_UTF8);
                            }
                        }
                        break;
                    }
                    case "ConstantValue": need(a.u2(), 3, 4, 5, 6, TAG_STRING); break;
                    default: continue;
                }
                if (a.at != a.end) {
                    throw new ClassFormatError("attribute " + name + " of a wrong length");
                }
            }
        }

        /** The length of each instruction up to 0xC9, 0 for those of variable length or none. */
        private static final byte[] LENGTHS = new byte[256];

        static {
            java.util.Arrays.fill(LENGTHS, 0, 0xCA, (byte) 1);
            for (int op : new int[] {0x10, 0x12, 0x15, 0x16, 0x17, 0x18, 0x19, 0x36, 0x37, 0x38,
                         0x39, 0x3A, 0xA9, 0xBC}) {
                LENGTHS[op] = 2;
            }
            for (int op = 0x99; op <= 0xA8; op++) {
                LENGTHS[op] = 3;
            }
            for (int op : new int[] {0x11, 0x13, 0x14, 0x84, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7,
                         0xB8, 0xBB, 0xBD, 0xC0, 0xC1, 0xC6, 0xC7}) {
                LENGTHS[op] = 3;
            }
            LENGTHS[0xC5] = 4;
            LENGTHS[0xB9] = 5;
            LENGTHS[0xC8] = 5;
            LENGTHS[0xC9] = 5;
            LENGTHS[0xAA] = 0; // tableswitch
            LENGTHS[0xAB] = 0; // lookupswitch
            LENGTHS[0xBA] = 0; // invokedynamic: not before version 51
            LENGTHS[0xC4] = 0; // wide
        }

        /** A Code attribute: every constant an instruction or a handler takes. */
        private void code(Reader a) {
            a.u2(); // max_stack
            a.u2(); // max_locals
            int length = a.u4();
            if (length <= 0 || length > 65535) {
                throw new ClassFormatError("code of " + length + " bytes");
            }
            int base = a.at;
            a.skip(length);
            byte[] b = a.bytes;
            int pc = 0;
            while (pc < length) {
                int op = b[base + pc] & 0xFF;
                int size = LENGTHS[op];
                if (op == 0xAA || op == 0xAB) {
                    int at = (pc + 4) & ~3; // the operands are aligned on 4 bytes
                    Reader s = new Reader(b, base + at, base + length);
                    s.u4(); // default
                    if (op == 0xAA) {
                        int low = s.u4();
                        int high = s.u4();
                        if (high < low) {
                            throw new ClassFormatError("tableswitch from " + low + " to " + high);
                        }
                        s.skip((int) Math.min(Integer.MAX_VALUE, 4L * ((long) high - low + 1)));
                    } else {
                        int pairs = s.u4();
                        if (pairs < 0) {
                            throw new ClassFormatError("lookupswitch of " + pairs + " pairs");
                        }
                        s.skip((int) Math.min(Integer.MAX_VALUE, 8L * pairs));
                    }
                    pc = s.at - base;
                    continue;
                }
                if (op == 0xC4) { // wide: a local variable instruction with a two-byte index
                    if (pc + 1 >= length) {
                        throw new ClassFormatError("truncated code");
                    }
                    pc += (b[base + pc + 1] & 0xFF) == 0x84 ? 6 : 4;
                    continue;
                }
                if (size == 0) {
                    throw new ClassFormatError("instruction " + op + ", which class files up to"
                            + " version " + MAX_VERSION + " do not have");
                }
                if (pc + size > length) {
                    throw new ClassFormatError("truncated code");
                }
                int index = size == 2 ? b[base + pc + 1] & 0xFF
                        : ((b[base + pc + 1] & 0xFF) << 8) | (b[base + pc + 2] & 0xFF);
                switch (op) {
                    case 0x12: case 0x13: need(index, 3, 4, TAG_STRING); break;
                    case 0x14: need(index, 5, 6); break;
                    case 0xB2: case 0xB3: case 0xB4: case 0xB5: need(index, TAG_FIELD); break;
                    case 0xB6: case 0xB7: case 0xB8: need(index, TAG_METHOD); break;
                    case 0xB9: need(index, TAG_INTERFACE_METHOD); break;
                    case 0xBB: case 0xBD: case 0xC0: case 0xC1: case 0xC5:
                        need(index, TAG_CLASS);
                        break;
                    default: break;
                }
                pc += size;
            }
            if (pc != length) {
                throw new ClassFormatError("an instruction runs past the end of the code");
            }
            for (int n = a.u2(); n > 0; n--) {
                a.u2();
                a.u2();
                a.u2();
                int type = a.u2();
                if (type != 0) {
                    need(type, TAG_CLASS);
                }
            }
            attributes(a);
        }
    }

    /** Reads a class file, or a part of it, refusing to read past its end. */
    private static final class Reader {
        final byte[] bytes;
        final int end;
        int at;

        Reader(byte[] bytes) {
            this(bytes, 0, bytes.length);
        }

        Reader(byte[] bytes, int at, int end) {
            this.bytes = bytes;
            this.at = at;
            this.end = end;
        }

        private void need(long n) {
            if (n < 0 || at + n > end) {
                throw new ClassFormatError("truncated class file");
            }
        }

        int u1() {
            need(1);
            return bytes[at++] & 0xFF;
        }

        int u2() {
            need(2);
            int v = ((bytes[at] & 0xFF) << 8) | (bytes[at + 1] & 0xFF);
            at += 2;
            return v;
        }

        int u4() {
            need(4);
            int v = ((bytes[at] & 0xFF) << 24) | ((bytes[at + 1] & 0xFF) << 16)
                    | ((bytes[at + 2] & 0xFF) << 8) | (bytes[at + 3] & 0xFF);
            at += 4;
            return v;
        }

        void skip(int n) {
            need(n & 0xFFFFFFFFL);
            at += n;
        }

        /** A text in the class file's modified UTF-8. */
        String utf8() {
            int length = u2();
            need(length);
            char[] out = new char[length];
            int n = 0;
            int end = at + length;
            while (at < end) {
                int c = bytes[at] & 0xFF;
                if (c != 0 && c < 0x80) {
                    out[n++] = (char) c;
                    at++;
                } else if ((c & 0xE0) == 0xC0 && at + 1 < end
                        && (bytes[at + 1] & 0xC0) == 0x80) {
                    out[n++] = (char) (((c & 0x1F) << 6) | (bytes[at + 1] & 0x3F));
                    at += 2;
                } else if ((c & 0xF0) == 0xE0 && at + 2 < end
                        && (bytes[at + 1] & 0xC0) == 0x80 && (bytes[at + 2] & 0xC0) == 0x80) {
                    out[n++] = (char) (((c & 0x0F) << 12) | ((bytes[at + 1] & 0x3F) << 6)
                            | (bytes[at + 2] & 0x3F));
                    at += 3;
                } else {
                    throw new ClassFormatError("malformed text in the constant pool");
                }
            }
            return new String(out, 0, n);
        }
    }

    /**
     * Writes the API list of the given API jars: {@code ClassCheck OUTPUT JAR...}. The
     * emulator carries it, and reads it when it checks the first class of a game.
     */
    public static void main(String[] args) throws IOException {
        if (args.length < 2) {
            System.err.println("usage: ClassCheck OUTPUT API.jar...");
            System.exit(2);
        }
        Api api = Api.ofJars(java.util.Arrays.asList(args).subList(1, args.length));
        java.nio.file.Path out = java.nio.file.Path.of(args[0]);
        java.nio.file.Files.createDirectories(out.toAbsolutePath().getParent());
        try (Writer w = java.nio.file.Files.newBufferedWriter(out, StandardCharsets.UTF_8)) {
            api.write(w);
        }
    }
}
