import java.awt.Rectangle;
import java.awt.Robot;
import java.awt.Toolkit;
import java.awt.event.KeyEvent;
import java.awt.image.BufferedImage;

/**
 * Plays the test MIDlet in the emulator's window through the X display: waits for the game's
 * picture, holds the right arrow and presses Enter, and checks that the sprite moved and the
 * square turned green. Exits 0 on success, 1 on failure.
 */
public final class WindowCheck {
    private static final int BACKGROUND = 0x102030;
    private static final int YELLOW = 0xFFFF00;
    private static final int GREEN = 0x00FF00;
    private static final int RED = 0xFF0000;

    private WindowCheck() {}

    /** The top-left corner of the phone screen: the square (200, 20) of the given colour. */
    private static int[] findScreen(BufferedImage shot, int squareColour) {
        for (int y = 0; y + 320 <= shot.getHeight(); y++) {
            for (int x = 0; x + 240 <= shot.getWidth(); x++) {
                if ((shot.getRGB(x + 5, y + 50) & 0xFFFFFF) == BACKGROUND
                        && (shot.getRGB(x + 200, y + 20) & 0xFFFFFF) == squareColour
                        && (shot.getRGB(x + 209, y + 29) & 0xFFFFFF) == squareColour
                        && (shot.getRGB(x + 199, y + 20) & 0xFFFFFF) == BACKGROUND
                        && (shot.getRGB(x + 200, y + 19) & 0xFFFFFF) == BACKGROUND
                        && (shot.getRGB(x + 210, y + 29) & 0xFFFFFF) == BACKGROUND
                        && (shot.getRGB(x + 209, y + 30) & 0xFFFFFF) == BACKGROUND) {
                    return new int[] {x, y};
                }
            }
        }
        return null;
    }

    private static BufferedImage capture(Robot robot) {
        Rectangle all = new Rectangle(Toolkit.getDefaultToolkit().getScreenSize());
        return robot.createScreenCapture(all);
    }

    /** The leftmost x of the sprite's red bottom row (y 107) on the phone screen, or -1. */
    private static int spriteX(BufferedImage shot, int[] origin) {
        for (int x = 0; x < 240; x++) {
            if ((shot.getRGB(origin[0] + x, origin[1] + 107) & 0xFFFFFF) == RED) {
                return x;
            }
        }
        return -1;
    }

    public static void main(String[] args) throws Exception {
        Robot robot = new Robot();
        long deadline = System.currentTimeMillis() + 30000;
        int[] origin = null;
        while (origin == null && System.currentTimeMillis() < deadline) {
            Thread.sleep(200);
            origin = findScreen(capture(robot), YELLOW);
        }
        if (origin == null) {
            System.out.println("FAIL: the game's picture did not appear");
            System.exit(1);
        }
        int before = spriteX(capture(robot), origin);
        robot.keyPress(KeyEvent.VK_RIGHT);
        Thread.sleep(600);
        robot.keyRelease(KeyEvent.VK_RIGHT);
        robot.keyPress(KeyEvent.VK_ENTER);
        robot.keyRelease(KeyEvent.VK_ENTER);
        boolean green = false;
        int after = before;
        while (!green && System.currentTimeMillis() < deadline) {
            Thread.sleep(200);
            BufferedImage shot = capture(robot);
            green = (shot.getRGB(origin[0] + 205, origin[1] + 25) & 0xFFFFFF) == GREEN;
            after = spriteX(shot, origin);
        }
        if (!green) {
            System.out.println("FAIL: Enter did not reach the game");
            System.exit(1);
        }
        if (before != 20 || after <= before) {
            System.out.println("FAIL: the right arrow did not move the sprite (" + before + " -> "
                    + after + ")");
            System.exit(1);
        }
        System.out.println("ok: sprite moved from " + before + " to " + after);
    }
}
