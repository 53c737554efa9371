package avizad.buildtools;

import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.security.MessageDigest;
import java.security.NoSuchAlgorithmException;
import java.util.ArrayList;
import java.util.Collections;
import java.util.HexFormat;
import java.util.List;
import java.util.Set;
import java.util.TreeSet;

/**
 * What the engine cache needs of a class file: its name, its source file, the classes it
 * refers to, and a fingerprint of what other classes compiled against it can see (its API).
 */
final class ClassFile {
    private static final int ACC_PRIVATE = 0x0002;

    final String name;
    /** The SourceFile attribute, or null. */
    final String sourceFile;
    /** Every class named in the constant pool or in a type descriptor. */
    final Set<String> referenced = new TreeSet<>();
    /** The classes the API names: super class, interfaces, non-private members' types. */
    final Set<String> apiReferenced = new TreeSet<>();
    /** SHA-256 of the API: flags, super class, interfaces, non-private fields with constant
     * values, non-private methods with their thrown exceptions, member classes. */
    final String apiHash;

    private final Object[] pool;
    private final int[] tags;

    ClassFile(byte[] bytes) throws IOException {
        DataInputStream in = new DataInputStream(new ByteArrayInputStream(bytes));
        if (in.readInt() != 0xCAFEBABE) {
            throw new IOException("not a class file");
        }
        in.readUnsignedShort();
        in.readUnsignedShort();
        int count = in.readUnsignedShort();
        pool = new Object[count];
        tags = new int[count];
        for (int i = 1; i < count; i++) {
            int tag = in.readUnsignedByte();
            tags[i] = tag;
            switch (tag) {
                case 1: pool[i] = in.readUTF(); break;
                case 3: pool[i] = "I" + in.readInt(); break;
                case 4: pool[i] = "F" + Float.floatToRawIntBits(in.readFloat()); break;
                case 5: pool[i] = "J" + in.readLong(); i++; break;
                case 6: pool[i] = "D" + Double.doubleToRawLongBits(in.readDouble()); i++; break;
                case 7: case 8: case 16: case 19: case 20: pool[i] = in.readUnsignedShort(); break;
                case 9: case 10: case 11: case 12: case 17: case 18:
                    pool[i] = new int[] {in.readUnsignedShort(), in.readUnsignedShort()};
                    break;
                case 15: in.readUnsignedByte(); pool[i] = in.readUnsignedShort(); break;
                default: throw new IOException("bad constant pool tag " + tag);
            }
        }
        StringBuilder api = new StringBuilder();
        int access = in.readUnsignedShort();
        name = className(in.readUnsignedShort());
        int superIndex = in.readUnsignedShort();
        String superName = superIndex == 0 ? "" : className(superIndex);
        api.append("class ").append(access & ~0x0020).append(' ').append(name).append(" extends ")
                .append(superName).append('\n');
        apiReferenced.add(superName);
        int interfaces = in.readUnsignedShort();
        for (int i = 0; i < interfaces; i++) {
            String itf = className(in.readUnsignedShort());
            api.append("implements ").append(itf).append('\n');
            apiReferenced.add(itf);
        }
        List<String> members = new ArrayList<>();
        for (int kind = 0; kind < 2; kind++) {
            int n = in.readUnsignedShort();
            for (int i = 0; i < n; i++) {
                int flags = in.readUnsignedShort();
                String memberName = utf(in.readUnsignedShort());
                String descriptor = utf(in.readUnsignedShort());
                StringBuilder member = new StringBuilder(kind == 0 ? "field " : "method ")
                        .append(flags).append(' ').append(memberName).append(' ')
                        .append(descriptor);
                int attributes = in.readUnsignedShort();
                for (int a = 0; a < attributes; a++) {
                    String attribute = utf(in.readUnsignedShort());
                    byte[] body = new byte[in.readInt()];
                    in.readFully(body);
                    DataInputStream b = new DataInputStream(new ByteArrayInputStream(body));
                    if (attribute.equals("ConstantValue")) {
                        member.append(" = ").append(pool[b.readUnsignedShort()]);
                    } else if (attribute.equals("Exceptions")) {
                        int k = b.readUnsignedShort();
                        for (int e = 0; e < k; e++) {
                            String thrown = className(b.readUnsignedShort());
                            member.append(" throws ").append(thrown);
                            if ((flags & ACC_PRIVATE) == 0) {
                                apiReferenced.add(thrown);
                            }
                        }
                    }
                }
                if ((flags & ACC_PRIVATE) == 0) {
                    members.add(member.toString());
                    addDescriptorClasses(descriptor, apiReferenced);
                }
            }
        }
        String source = null;
        int attributes = in.readUnsignedShort();
        for (int a = 0; a < attributes; a++) {
            String attribute = utf(in.readUnsignedShort());
            byte[] body = new byte[in.readInt()];
            in.readFully(body);
            DataInputStream b = new DataInputStream(new ByteArrayInputStream(body));
            if (attribute.equals("SourceFile")) {
                source = utf(b.readUnsignedShort());
            } else if (attribute.equals("InnerClasses")) {
                int k = b.readUnsignedShort();
                for (int e = 0; e < k; e++) {
                    int inner = b.readUnsignedShort();
                    int outer = b.readUnsignedShort();
                    b.readUnsignedShort();
                    int flags = b.readUnsignedShort();
                    if (outer != 0 && className(outer).equals(name)
                            && (flags & ACC_PRIVATE) == 0) {
                        members.add("member class " + flags + " " + className(inner));
                    }
                }
            }
        }
        sourceFile = source;
        Collections.sort(members);
        for (String m : members) {
            api.append(m).append('\n');
        }
        apiHash = sha256(api.toString().getBytes(StandardCharsets.UTF_8));
        for (int i = 1; i < count; i++) {
            if (tags[i] == 7) {
                String c = utf((Integer) pool[i]);
                if (c.startsWith("[")) {
                    addDescriptorClasses(c, referenced);
                } else {
                    referenced.add(c);
                }
            } else if (tags[i] == 1) {
                addDescriptorClasses((String) pool[i], referenced);
            }
        }
        apiReferenced.remove("");
    }

    private String utf(int index) throws IOException {
        if (index <= 0 || index >= pool.length || tags[index] != 1) {
            throw new IOException("bad constant pool index " + index);
        }
        return (String) pool[index];
    }

    private String className(int index) throws IOException {
        if (index <= 0 || index >= pool.length || tags[index] != 7) {
            throw new IOException("bad class index " + index);
        }
        return utf((Integer) pool[index]);
    }

    /** Adds every class named "Lname;" in a text (a type descriptor or signature). */
    static void addDescriptorClasses(String text, Set<String> into) {
        int at = 0;
        while ((at = text.indexOf('L', at)) >= 0) {
            int end = text.indexOf(';', at);
            if (end < 0) {
                return;
            }
            String candidate = text.substring(at + 1, end);
            if (!candidate.isEmpty() && candidate.chars().allMatch(
                    ch -> Character.isJavaIdentifierPart(ch) || ch == '/' || ch == '$')) {
                into.add(candidate);
                at = end + 1;
            } else {
                at++;
            }
        }
    }

    static String sha256(byte[] bytes) {
        try {
            return HexFormat.of().formatHex(MessageDigest.getInstance("SHA-256").digest(bytes));
        } catch (NoSuchAlgorithmException e) {
            throw new IllegalStateException(e);
        }
    }
}
