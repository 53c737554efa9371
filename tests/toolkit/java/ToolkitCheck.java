import java.awt.image.BufferedImage;
import java.io.DataInputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import javax.imageio.ImageIO;

/**
 * Checks for the toolkit tests.
 *
 * <pre>
 * ToolkitCheck classes DIR CLASS.METHOD...  every class has version 48 or lower, and each named
 *                                           method has a StackMap attribute
 * ToolkitCheck pixels PNG EXPECTED          the 240 x 320 picture has the listed pixels
 *                                           (lines "x y RRGGBB", '#' starts a comment)
 * </pre>
 */
public final class ToolkitCheck {
    private ToolkitCheck() {}

    public static void main(String[] args) throws IOException {
        List<String> problems = new ArrayList<>();
        if (args.length >= 2 && args[0].equals("classes")) {
            checkClasses(new File(args[1]), java.util.Arrays.asList(args).subList(2, args.length),
                    problems);
        } else if (args.length == 3 && args[0].equals("pixels")) {
            checkPixels(new File(args[1]), new File(args[2]), problems);
        } else {
            System.err.println(
                    "usage: ToolkitCheck classes DIR CLASS.METHOD... | pixels PNG EXPECTED");
            System.exit(2);
        }
        for (String p : problems) {
            System.out.println(p);
        }
        System.exit(problems.isEmpty() ? 0 : 1);
    }

    /** The parts of a class file these checks need. */
    private static final class ClassInfo {
        int major;
        String name;
        final List<String> methodsWithStackMap = new ArrayList<>();
    }

    private static ClassInfo read(File f) throws IOException {
        try (DataInputStream in = new DataInputStream(new FileInputStream(f))) {
            ClassInfo info = new ClassInfo();
            if (in.readInt() != 0xCAFEBABE) {
                throw new IOException(f + " is not a class file");
            }
            in.readUnsignedShort();
            info.major = in.readUnsignedShort();
            int count = in.readUnsignedShort();
            String[] utf = new String[count];
            int[] classNameIndex = new int[count];
            for (int i = 1; i < count; i++) {
                int tag = in.readUnsignedByte();
                switch (tag) {
                    case 1: utf[i] = in.readUTF(); break;
                    case 7: classNameIndex[i] = in.readUnsignedShort(); break;
                    case 8: case 16: case 19: case 20: in.readUnsignedShort(); break;
                    case 15: in.readUnsignedByte(); in.readUnsignedShort(); break;
                    case 3: case 4: case 9: case 10: case 11: case 12: case 17: case 18:
                        in.readInt();
                        break;
                    case 5: case 6: in.readLong(); i++; break;
                    default: throw new IOException(f + ": bad constant pool tag " + tag);
                }
            }
            in.readUnsignedShort();
            info.name = utf[classNameIndex[in.readUnsignedShort()]].replace('/', '.');
            in.readUnsignedShort();
            int ifaces = in.readUnsignedShort();
            for (int i = 0; i < ifaces; i++) {
                in.readUnsignedShort();
            }
            int fields = in.readUnsignedShort();
            for (int i = 0; i < fields; i++) {
                in.skipBytes(6);
                skipAttributes(in);
            }
            int methods = in.readUnsignedShort();
            for (int i = 0; i < methods; i++) {
                in.readUnsignedShort();
                String name = utf[in.readUnsignedShort()];
                in.readUnsignedShort();
                int attrs = in.readUnsignedShort();
                for (int a = 0; a < attrs; a++) {
                    String an = utf[in.readUnsignedShort()];
                    int len = in.readInt();
                    if (!an.equals("Code")) {
                        in.skipBytes(len);
                        continue;
                    }
                    in.skipBytes(4);
                    in.skipBytes(in.readInt());
                    in.skipBytes(8 * in.readUnsignedShort());
                    int codeAttrs = in.readUnsignedShort();
                    for (int c = 0; c < codeAttrs; c++) {
                        String cn = utf[in.readUnsignedShort()];
                        in.skipBytes(in.readInt());
                        if (cn.equals("StackMap")) {
                            info.methodsWithStackMap.add(name);
                        }
                    }
                }
            }
            return info;
        }
    }

    private static void skipAttributes(DataInputStream in) throws IOException {
        int n = in.readUnsignedShort();
        for (int i = 0; i < n; i++) {
            in.readUnsignedShort();
            in.skipBytes(in.readInt());
        }
    }

    private static void checkClasses(File dir, List<String> needStackMap, List<String> problems)
            throws IOException {
        File[] files = dir.listFiles((d, n) -> n.endsWith(".class"));
        if (files == null || files.length == 0) {
            problems.add("no class files in " + dir);
            return;
        }
        List<String> found = new ArrayList<>();
        for (File f : files) {
            ClassInfo info = read(f);
            if (info.major > 48) {
                problems.add(info.name + ": class file version " + info.major + " is above 48");
            }
            for (String m : info.methodsWithStackMap) {
                found.add(info.name + "." + m);
            }
        }
        for (String want : needStackMap) {
            if (!found.contains(want)) {
                problems.add(want + " has no StackMap attribute");
            }
        }
    }

    private static void checkPixels(File png, File expected, List<String> problems)
            throws IOException {
        BufferedImage img = ImageIO.read(png);
        if (img == null) {
            problems.add(png + " is not a picture");
            return;
        }
        if (img.getWidth() != 240 || img.getHeight() != 320) {
            problems.add("picture is " + img.getWidth() + " x " + img.getHeight()
                    + ", not 240 x 320");
            return;
        }
        int checked = 0;
        for (String line : Files.readAllLines(expected.toPath(), StandardCharsets.UTF_8)) {
            String l = line.strip();
            if (l.isEmpty() || l.startsWith("#")) {
                continue;
            }
            String[] f = l.split("\\s+");
            int x = Integer.parseInt(f[0]);
            int y = Integer.parseInt(f[1]);
            int want = Integer.parseInt(f[2], 16);
            int got = img.getRGB(x, y) & 0xFFFFFF;
            checked++;
            if (got != want) {
                problems.add(String.format("pixel (%d, %d): expected %06X, got %06X", x, y, want,
                        got));
            }
        }
        if (checked == 0) {
            problems.add("no pixels listed in " + expected);
        }
    }
}
