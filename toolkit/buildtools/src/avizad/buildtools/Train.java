package avizad.buildtools;

import java.io.File;
import java.io.IOException;
import java.io.OutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;

/**
 * The training run of the toolkit's build: compiles (twice, the second time with the engine
 * from the cache), preverifies with shrinking and archives a small MIDlet, the way the game
 * build runs the tools. The toolkit's build runs it once with -XX:ArchiveClassesAtExit, so
 * that the class data sharing archive it leaves holds the classes the tools load, and the
 * tools (and the build process) start faster. {@code Train WORK_DIR}
 */
public final class Train {
    private Train() {}

    private static final String ENGINE = String.join("\n",
            "import javax.microedition.lcdui.Graphics;",
            "import javax.microedition.lcdui.game.GameCanvas;",
            "public abstract class Engine extends GameCanvas implements Runnable {",
            "    private final Game midlet;",
            "    private int frames;",
            "    protected Engine(Game m) { super(false); midlet = m; }",
            "    protected abstract void events();",
            "    public void run() {",
            "        Graphics g = getGraphics();",
            "        while (!midlet.isPaused() && frames < 10) {",
            "            events();",
            "            g.setColor(0x00FF00);",
            "            g.fillRect(0, 0, getWidth(), getHeight());",
            "            g.drawString(\"\" + frames++, 0, 0, Graphics.TOP | Graphics.LEFT);",
            "            flushGraphics();",
            "        }",
            "    }",
            "}",
            "");
    private static final String GAME = String.join("\n",
            "import javax.microedition.lcdui.Display;",
            "import javax.microedition.midlet.MIDlet;",
            "public class Game extends MIDlet {",
            "    private boolean paused;",
            "    public boolean isPaused() { return paused; }",
            "    public void startApp() {",
            "        Level level = new Level(this);",
            "        Display.getDisplay(this).setCurrent(level);",
            "        new Thread(level).start();",
            "    }",
            "    public void pauseApp() { paused = true; }",
            "    public void destroyApp(boolean unconditional) { }",
            "}",
            "class Level extends Engine {",
            "    private int[] data = {1, 2, 3};",
            "    Level(Game m) { super(m); }",
            "    protected void events() { if (data[0] > 0) { data[0]--; } }",
            "}",
            "");

    public static void main(String[] args) throws IOException {
        File work = new File(args[0]);
        File src = new File(work, "src");
        File tmp = new File(work, "tmpclasses");
        File classes = new File(work, "classes");
        for (File f : new File[] {src, tmp, classes}) {
            f.mkdirs();
        }
        Files.writeString(new File(src, "Engine.java").toPath(), ENGINE, StandardCharsets.UTF_8);
        Files.writeString(new File(src, "Game.java").toPath(), GAME, StandardCharsets.UTF_8);
        File lib = Toolkit.libDir();
        String cp = new File(lib, "cldcapi11.jar") + File.pathSeparator
                + new File(lib, "midpapi20.jar");
        PrintStream quiet = new PrintStream(OutputStream.nullOutputStream());
        int status = 0;
        for (int i = 0; i < 2; i++) {
            status |= Javac.run(new String[] {"-source", "1.3", "-encoding", "UTF-8", "-classpath",
                cp, "--engine-cache", new File(work, "cache").getPath(), "--engine",
                "Engine.java", "-d", tmp.getPath(), new File(src, "Engine.java").getPath(),
                new File(src, "Game.java").getPath()}, System.out, System.err);
        }
        status |= avizad.preverify.Preverify.run(new String[] {"-classpath", cp, "-keep", "Game",
            "-d", classes.getPath(), tmp.getPath()}, quiet, System.err);
        String[] made = classes.list();
        java.util.List<String> jar = new java.util.ArrayList<>(java.util.List.of("cmf",
                new File(work, "MANIFEST.MF").getPath(), new File(work, "game.jar").getPath()));
        Files.writeString(new File(work, "MANIFEST.MF").toPath(),
                "MIDlet-Name: Train\nMIDlet-1: Train, , Game\n", StandardCharsets.UTF_8);
        for (String c : made == null ? new String[0] : made) {
            jar.add("-C");
            jar.add(classes.getPath());
            jar.add("./" + c);
        }
        status |= Jar.run(jar.toArray(new String[0]), System.out, System.err);
        if (status != 0) {
            System.err.println("buildtools training: a tool failed");
        }
        System.exit(status);
    }
}
