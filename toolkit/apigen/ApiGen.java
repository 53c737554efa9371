import java.io.File;
import java.io.IOException;
import java.lang.reflect.Constructor;
import java.lang.reflect.Executable;
import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeSet;

/**
 * Writes the Java source of the public API stubs that make up cldcapi11.jar and midpapi20.jar.
 *
 * <p>The CLDC classes are described by a member list (cldc11.txt); their signatures are taken from
 * the running Java SE library (java.*) or from the emulator classes (javax.microedition.io), so the
 * stubs can never promise a member that the emulator lacks. The MIDP classes are every public class
 * of the MIDP packages in the emulator, with their public and protected members.
 *
 * <p>Usage: ApiGen CLDC_LIST EMULATOR_CLASSES_DIR CLDC_OUT_DIR MIDP_OUT_DIR PACKAGE...
 */
public final class ApiGen {
    /** Members of one stub class, in declaration order. */
    private static final class StubClass {
        final Class<?> type;
        final List<Constructor<?>> constructors = new ArrayList<>();
        final List<Method> methods = new ArrayList<>();
        final List<Field> fields = new ArrayList<>();

        StubClass(Class<?> type) {
            this.type = type;
        }
    }

    private final Map<String, StubClass> api = new LinkedHashMap<>();
    private final Set<String> cldcNames = new LinkedHashSet<>();
    private final ClassLoader loader;
    private final List<String> problems = new ArrayList<>();

    private ApiGen(ClassLoader loader) {
        this.loader = loader;
    }

    public static void main(String[] args) throws Exception {
        if (args.length < 5) {
            System.err.println(
                    "usage: ApiGen CLDC_LIST EMULATOR_CLASSES_DIR CLDC_OUT MIDP_OUT PACKAGE...");
            System.exit(2);
        }
        File classes = new File(args[1]);
        ClassLoader loader =
                new URLClassLoader(new URL[] {classes.toURI().toURL()},
                        ApiGen.class.getClassLoader());
        ApiGen gen = new ApiGen(loader);
        List<String[]> members = gen.readCldcList(Path.of(args[0]));
        for (int i = 4; i < args.length; i++) {
            gen.addPackage(classes, args[i]);
        }
        gen.resolveCldcMembers(members);
        for (StubClass c : gen.api.values()) {
            boolean cldc = gen.cldcNames.contains(c.type.getName());
            gen.write(c, Path.of(cldc ? args[2] : args[3]));
        }
        if (!gen.problems.isEmpty()) {
            for (String p : gen.problems) {
                System.err.println("ApiGen: " + p);
            }
            System.exit(1);
        }
    }

    // ---------------------------------------------------------------- reading the API

    private List<String[]> readCldcList(Path list) throws IOException, ClassNotFoundException {
        List<String[]> members = new ArrayList<>();
        String current = null;
        for (String raw : Files.readAllLines(list, StandardCharsets.UTF_8)) {
            String line = raw.strip();
            if (line.isEmpty() || line.startsWith("#")) {
                continue;
            }
            if (line.startsWith("class ")) {
                String[] parts = line.substring(6).strip().split("\\s+");
                current = parts[0];
                Class<?> type = Class.forName(current, false, loader);
                api.put(current, new StubClass(type));
                cldcNames.add(current);
                if (parts.length > 1 && parts[1].equals("*")) {
                    members.add(new String[] {current, "*"});
                }
            } else {
                members.add(new String[] {current, line});
            }
        }
        return members;
    }

    private void addPackage(File classes, String pkg) throws ClassNotFoundException {
        File dir = new File(classes, pkg.replace('.', '/'));
        String[] names = dir.list();
        if (names == null) {
            problems.add("no classes in package " + pkg);
            return;
        }
        java.util.Arrays.sort(names);
        for (String n : names) {
            if (!n.endsWith(".class") || n.contains("$")) {
                continue;
            }
            String cn = pkg + "." + n.substring(0, n.length() - 6);
            if (api.containsKey(cn)) {
                continue;
            }
            Class<?> type = Class.forName(cn, false, loader);
            if (!Modifier.isPublic(type.getModifiers())) {
                continue;
            }
            StubClass c = new StubClass(type);
            api.put(cn, c);
            addAllMembers(c);
        }
    }

    private static boolean exported(int mod) {
        return Modifier.isPublic(mod) || Modifier.isProtected(mod);
    }

    private void addAllMembers(StubClass c) {
        for (Constructor<?> k : c.type.getDeclaredConstructors()) {
            if (exported(k.getModifiers()) && !k.isSynthetic()) {
                c.constructors.add(k);
            }
        }
        for (Method m : sortedMethods(c.type)) {
            if (exported(m.getModifiers()) && !m.isSynthetic() && !m.isBridge()) {
                c.methods.add(m);
            }
        }
        for (Field f : c.type.getDeclaredFields()) {
            if (exported(f.getModifiers()) && !f.isSynthetic()) {
                c.fields.add(f);
            }
        }
    }

    private static List<Method> sortedMethods(Class<?> type) {
        List<Method> list = new ArrayList<>(List.of(type.getDeclaredMethods()));
        list.sort((a, b) -> a.toString().compareTo(b.toString()));
        return list;
    }

    private void resolveCldcMembers(List<String[]> members) {
        for (String[] m : members) {
            StubClass c = api.get(m[0]);
            String member = m[1];
            try {
                if (member.equals("*")) {
                    addAllMembers(c);
                } else if (!member.contains("(")) {
                    c.fields.add(findField(c.type, member));
                } else {
                    String name = member.substring(0, member.indexOf('('));
                    String inner = member.substring(member.indexOf('(') + 1,
                            member.lastIndexOf(')')).strip();
                    List<Class<?>> params = new ArrayList<>();
                    if (!inner.isEmpty()) {
                        for (String p : inner.split(",")) {
                            params.add(resolveType(p.strip()));
                        }
                    }
                    Class<?>[] ps = params.toArray(new Class<?>[0]);
                    if (name.equals("<init>")) {
                        c.constructors.add(c.type.getDeclaredConstructor(ps));
                    } else {
                        c.methods.add(findMethod(c.type, name, ps));
                    }
                }
            } catch (ReflectiveOperationException e) {
                problems.add(m[0] + ": no member " + member + " (" + e + ")");
            }
        }
    }

    private static Field findField(Class<?> type, String name) throws NoSuchFieldException {
        for (Class<?> t = type; t != null; t = t.getSuperclass()) {
            try {
                return t.getDeclaredField(name);
            } catch (NoSuchFieldException e) {
                // look further up
            }
        }
        throw new NoSuchFieldException(name);
    }

    private static Method findMethod(Class<?> type, String name, Class<?>[] ps)
            throws NoSuchMethodException {
        for (Class<?> t = type; t != null; t = t.getSuperclass()) {
            try {
                return t.getDeclaredMethod(name, ps);
            } catch (NoSuchMethodException e) {
                // look further up
            }
        }
        for (Class<?> i : type.getInterfaces()) {
            try {
                return i.getMethod(name, ps);
            } catch (NoSuchMethodException e) {
                // try the next interface
            }
        }
        throw new NoSuchMethodException(name);
    }

    private Class<?> resolveType(String t) throws ClassNotFoundException {
        int dims = 0;
        while (t.endsWith("[]")) {
            dims++;
            t = t.substring(0, t.length() - 2).strip();
        }
        Class<?> base;
        switch (t) {
            case "boolean": base = boolean.class; break;
            case "byte": base = byte.class; break;
            case "char": base = char.class; break;
            case "short": base = short.class; break;
            case "int": base = int.class; break;
            case "long": base = long.class; break;
            case "float": base = float.class; break;
            case "double": base = double.class; break;
            default:
                base = null;
                if (t.contains(".")) {
                    base = Class.forName(t, false, loader);
                } else {
                    for (String n : api.keySet()) {
                        if (n.endsWith("." + t)) {
                            base = api.get(n).type;
                            break;
                        }
                    }
                    if (base == null) {
                        base = Class.forName("java.lang." + t, false, loader);
                    }
                }
        }
        for (int i = 0; i < dims; i++) {
            base = java.lang.reflect.Array.newInstance(base, 0).getClass();
        }
        return base;
    }

    // ---------------------------------------------------------------- writing the stubs

    private String typeName(Class<?> t, String where) {
        if (t.isArray()) {
            return typeName(t.getComponentType(), where) + "[]";
        }
        if (!t.isPrimitive() && !api.containsKey(t.getName())) {
            problems.add(where + " uses " + t.getName() + ", which is not part of the API");
        }
        return t.getName();
    }

    private Class<?> apiSuperclass(Class<?> t) {
        for (Class<?> s = t.getSuperclass(); s != null; s = s.getSuperclass()) {
            if (api.containsKey(s.getName())) {
                return s;
            }
        }
        return null;
    }

    private Set<String> apiInterfaces(Class<?> t) {
        Set<String> out = new LinkedHashSet<>();
        Class<?> apiSuper = apiSuperclass(t);
        for (Class<?> s = t; s != null && s != apiSuper; s = s.getSuperclass()) {
            for (Class<?> i : s.getInterfaces()) {
                collectInterfaces(i, out);
            }
        }
        return out;
    }

    private void collectInterfaces(Class<?> i, Set<String> out) {
        if (api.containsKey(i.getName())) {
            out.add(i.getName());
        } else {
            for (Class<?> j : i.getInterfaces()) {
                collectInterfaces(j, out);
            }
        }
    }

    private static String modifiers(int mod, boolean isInterface) {
        StringBuilder sb = new StringBuilder();
        if (Modifier.isPublic(mod)) {
            sb.append("public ");
        } else if (Modifier.isProtected(mod)) {
            sb.append("protected ");
        }
        if (!isInterface && Modifier.isAbstract(mod)) {
            sb.append("abstract ");
        }
        if (Modifier.isStatic(mod)) {
            sb.append("static ");
        }
        if (Modifier.isFinal(mod)) {
            sb.append("final ");
        }
        return sb.toString();
    }

    private static String literal(Object v) {
        if (v instanceof String) {
            StringBuilder sb = new StringBuilder("\"");
            for (char ch : ((String) v).toCharArray()) {
                if (ch == '"' || ch == '\\') {
                    sb.append('\\').append(ch);
                } else if (ch < 32 || ch > 126) {
                    sb.append(String.format("\\u%04x", (int) ch));
                } else {
                    sb.append(ch);
                }
            }
            return sb.append('"').toString();
        }
        if (v instanceof Character) {
            return "(char) " + (int) (Character) v;
        }
        if (v instanceof Byte) {
            return "(byte) " + v;
        }
        if (v instanceof Short) {
            return "(short) " + v;
        }
        if (v instanceof Long) {
            return v + "L";
        }
        if (v instanceof Float) {
            float f = (Float) v;
            if (Float.isNaN(f)) {
                return "0.0f / 0.0f";
            }
            if (Float.isInfinite(f)) {
                return f > 0 ? "1.0f / 0.0f" : "-1.0f / 0.0f";
            }
            return f + "f";
        }
        if (v instanceof Double) {
            double d = (Double) v;
            if (Double.isNaN(d)) {
                return "0.0d / 0.0d";
            }
            if (Double.isInfinite(d)) {
                return d > 0 ? "1.0d / 0.0d" : "-1.0d / 0.0d";
            }
            return d + "d";
        }
        return String.valueOf(v);
    }

    private static String defaultValue(Class<?> t) {
        if (!t.isPrimitive()) {
            return "(" + t.getCanonicalName() + ") null";
        }
        if (t == boolean.class) {
            return "false";
        }
        if (t == char.class) {
            return "(char) 0";
        }
        return "(" + t.getName() + ") 0";
    }

    private static boolean visibleFrom(int mod, Class<?> owner, Class<?> from) {
        if (Modifier.isPublic(mod) || Modifier.isProtected(mod)) {
            return true;
        }
        return !Modifier.isPrivate(mod) && owner.getPackageName().equals(from.getPackageName());
    }

    /** The explicit super constructor call a stub constructor needs, or "" when super() works. */
    private String superCall(Class<?> type) {
        Class<?> sup = apiSuperclass(type);
        if (sup == null || sup == Object.class) {
            return "";
        }
        StubClass s = api.get(sup.getName());
        List<Constructor<?>> ks = new ArrayList<>(s.constructors);
        boolean hidden = ks.isEmpty();
        if (hidden) {
            return ""; // the superclass stub gets a hidden no-argument constructor
        }
        Constructor<?> best = null;
        for (Constructor<?> k : ks) {
            if (!visibleFrom(k.getModifiers(), sup, type)) {
                continue;
            }
            if (k.getParameterCount() == 0) {
                return "";
            }
            if (best == null || k.getParameterCount() < best.getParameterCount()) {
                best = k;
            }
        }
        if (best == null) {
            problems.add(type.getName() + ": no usable constructor in " + sup.getName());
            return "";
        }
        StringBuilder sb = new StringBuilder("super(");
        Class<?>[] ps = best.getParameterTypes();
        for (int i = 0; i < ps.length; i++) {
            sb.append(i == 0 ? "" : ", ").append(defaultValue(ps[i]));
        }
        return sb.append("); ").toString();
    }

    private String params(Executable e, String where) {
        StringBuilder sb = new StringBuilder("(");
        Class<?>[] ps = e.getParameterTypes();
        for (int i = 0; i < ps.length; i++) {
            sb.append(i == 0 ? "" : ", ").append(typeName(ps[i], where)).append(" p").append(i);
        }
        sb.append(")");
        List<String> ex = new ArrayList<>();
        for (Class<?> x : e.getExceptionTypes()) {
            if (api.containsKey(x.getName())) {
                ex.add(x.getName());
            } else if (!RuntimeException.class.isAssignableFrom(x)
                    && !Error.class.isAssignableFrom(x)) {
                problems.add(where + " throws " + x.getName() + ", which is not part of the API");
            }
        }
        if (!ex.isEmpty()) {
            sb.append(" throws ").append(String.join(", ", ex));
        }
        return sb.toString();
    }

    private void write(StubClass c, Path outRoot) throws IOException, IllegalAccessException {
        Class<?> t = c.type;
        boolean isInterface = t.isInterface();
        String pkg = t.getPackageName();
        StringBuilder sb = new StringBuilder();
        sb.append("// Generated API stub: the public signatures only.\n");
        sb.append("package ").append(pkg).append(";\n\n");
        int cmod = t.getModifiers();
        sb.append("public ");
        if (isInterface) {
            sb.append("interface ");
        } else {
            if (Modifier.isAbstract(cmod)) {
                sb.append("abstract ");
            }
            if (Modifier.isFinal(cmod)) {
                sb.append("final ");
            }
            sb.append("class ");
        }
        sb.append(t.getSimpleName());
        Class<?> sup = isInterface ? null : apiSuperclass(t);
        if (sup != null && sup != Object.class) {
            sb.append(" extends ").append(sup.getName());
        }
        Set<String> ifs = apiInterfaces(t);
        if (!ifs.isEmpty()) {
            sb.append(isInterface ? " extends " : " implements ").append(String.join(", ", ifs));
        }
        sb.append(" {\n");
        Set<String> seen = new TreeSet<>();
        for (Field f : c.fields) {
            String where = t.getName() + "." + f.getName();
            int mod = f.getModifiers();
            sb.append("    ").append(modifiers(mod, isInterface));
            sb.append(typeName(f.getType(), where));
            sb.append(' ').append(f.getName());
            if (Modifier.isStatic(mod) && Modifier.isFinal(mod)) {
                Object v = null;
                if (f.getType().isPrimitive() || f.getType() == String.class) {
                    f.setAccessible(true);
                    v = f.get(null);
                }
                sb.append(" = ").append(v == null ? defaultValue(f.getType()) : literal(v));
            } else if (Modifier.isFinal(mod)) {
                sb.append(" = ").append(defaultValue(f.getType()));
            }
            sb.append(";\n");
        }
        String body = " { throw new RuntimeException(); }\n";
        String superCall = isInterface ? "" : superCall(t);
        if (!isInterface && c.constructors.isEmpty()) {
            sb.append("    ").append(Modifier.isFinal(cmod) ? "private " : "")
                    .append(t.getSimpleName()).append("() { ").append(superCall).append("}\n");
        }
        for (Constructor<?> k : c.constructors) {
            String where = t.getName() + ".<init>";
            sb.append("    ").append(modifiers(k.getModifiers(), false)).append(t.getSimpleName());
            sb.append(params(k, where)).append(" { ").append(superCall)
                    .append("throw new RuntimeException(); }\n");
        }
        for (Method m : c.methods) {
            String where = t.getName() + "." + m.getName();
            String sig = m.getName() + java.util.Arrays.toString(m.getParameterTypes());
            if (!seen.add(sig)) {
                continue;
            }
            int mod = m.getModifiers();
            if (m.getDeclaringClass().isInterface() && !isInterface) {
                mod &= ~Modifier.ABSTRACT;
            }
            boolean abs = isInterface || Modifier.isAbstract(mod);
            if (isInterface) {
                mod &= ~Modifier.ABSTRACT;
            }
            sb.append("    ").append(modifiers(mod, isInterface));
            sb.append(typeName(m.getReturnType(), where)).append(' ').append(m.getName());
            sb.append(params(m, where)).append(abs ? ";\n" : body);
        }
        sb.append("}\n");
        Path file = outRoot.resolve(pkg.replace('.', '/')).resolve(t.getSimpleName() + ".java");
        Files.createDirectories(file.getParent());
        Files.writeString(file, sb.toString(), StandardCharsets.UTF_8);
    }
}
