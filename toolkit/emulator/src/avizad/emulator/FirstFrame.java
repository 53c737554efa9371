package avizad.emulator;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;

/**
 * Tells a waiting program when the game is first on screen: when the environment variable
 * AVIZAD_EMULATOR_FIRST_FRAME names a file, the first paint of the window that shows a frame
 * of the MIDlet writes the wall-clock time in milliseconds and the emulator's process id
 * ("MILLIS PID") to that file. The build benchmark measures "Запуск игры" with it.
 */
final class FirstFrame {
    private static final String FILE = System.getenv("AVIZAD_EMULATOR_FIRST_FRAME");
    private static boolean reported;

    private FirstFrame() {}

    /** Called by the window's screen after each paint, on the event dispatch thread. */
    static void painted() {
        if (reported || FILE == null || FILE.isEmpty() || Device.frames() == 0) {
            return;
        }
        reported = true;
        java.awt.Toolkit.getDefaultToolkit().sync(); // the picture has reached the display
        String line = System.currentTimeMillis() + " " + ProcessHandle.current().pid() + "\n";
        Path file = Path.of(FILE);
        Path part = Path.of(FILE + ".part");
        try {
            Files.write(part, line.getBytes(StandardCharsets.US_ASCII));
            Files.move(part, file, StandardCopyOption.REPLACE_EXISTING,
                    StandardCopyOption.ATOMIC_MOVE);
        } catch (IOException e) {
            System.err.println("emulator: cannot write " + file + ": " + e.getMessage());
        }
    }
}
