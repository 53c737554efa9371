import java.nio.file.Files;
import java.nio.file.Path;
import org.objectweb.asm.ClassWriter;
import org.objectweb.asm.MethodVisitor;
import org.objectweb.asm.Opcodes;

/**
 * Writes Launder.class (version 46): its method run() loads a native library through
 * System.load, but its instruction takes the method from a constant of another kind, an
 * integer whose two halves are the indexes of the class java/lang/System and of the name and
 * type load(String). The class names nothing outside CLDC 1.1 in its constant pool's classes
 * and members; a reader that trusts the instruction (and writes the class anew) finds the call.
 * Usage: MakeLaunder FOLDER
 */
public final class MakeLaunder {
    private MakeLaunder() {}

    public static void main(String[] args) throws Exception {
        ClassWriter cw = new ClassWriter(0);
        cw.visit(46, Opcodes.ACC_PUBLIC | Opcodes.ACC_SUPER, "Launder", null, "java/lang/Object",
                null);
        int system = cw.newClass("java/lang/System");
        int load = cw.newNameType("load", "(Ljava/lang/String;)V");
        int disguised = cw.newConst(Integer.valueOf((system << 16) | load));
        MethodVisitor mv = cw.visitMethod(Opcodes.ACC_PUBLIC | Opcodes.ACC_STATIC, "run", "()V",
                null, null);
        mv.visitCode();
        mv.visitLdcInsn("/nonexistent/launder.so");
        mv.visitMethodInsn(Opcodes.INVOKESTATIC, "Launder", "stand", "(Ljava/lang/String;)V",
                false);
        mv.visitInsn(Opcodes.RETURN);
        mv.visitMaxs(1, 0);
        mv.visitEnd();
        mv = cw.visitMethod(Opcodes.ACC_PUBLIC | Opcodes.ACC_STATIC, "stand",
                "(Ljava/lang/String;)V", null, null);
        mv.visitCode();
        mv.visitInsn(Opcodes.RETURN);
        mv.visitMaxs(0, 1);
        mv.visitEnd();
        cw.visitEnd();
        byte[] bytes = cw.toByteArray();
        // The call of stand(String) becomes one of the integer constant.
        int stand = cw.newMethod("Launder", "stand", "(Ljava/lang/String;)V", false);
        boolean patched = false;
        for (int i = 0; i + 2 < bytes.length; i++) {
            if ((bytes[i] & 0xFF) == Opcodes.INVOKESTATIC
                    && ((bytes[i + 1] & 0xFF) << 8 | (bytes[i + 2] & 0xFF)) == stand) {
                bytes[i + 1] = (byte) (disguised >> 8);
                bytes[i + 2] = (byte) disguised;
                patched = true;
                break;
            }
        }
        if (!patched) {
            throw new IllegalStateException("no call to patch");
        }
        Files.write(Path.of(args[0], "Launder.class"), bytes);
    }
}
