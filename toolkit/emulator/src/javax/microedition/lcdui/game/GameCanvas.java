package javax.microedition.lcdui.game;

import avizad.emulator.Device;
import avizad.emulator.LcduiAccess;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;

/** A canvas with an off-screen buffer and polled key states, for game loops. */
public abstract class GameCanvas extends Canvas {
    public static final int UP_PRESSED = 1 << Canvas.UP;
    public static final int DOWN_PRESSED = 1 << Canvas.DOWN;
    public static final int LEFT_PRESSED = 1 << Canvas.LEFT;
    public static final int RIGHT_PRESSED = 1 << Canvas.RIGHT;
    public static final int FIRE_PRESSED = 1 << Canvas.FIRE;
    public static final int GAME_A_PRESSED = 1 << Canvas.GAME_A;
    public static final int GAME_B_PRESSED = 1 << Canvas.GAME_B;
    public static final int GAME_C_PRESSED = 1 << Canvas.GAME_C;
    public static final int GAME_D_PRESSED = 1 << Canvas.GAME_D;

    private final Image buffer;

    protected GameCanvas(boolean suppressKeyEvents) {
        LcduiAccess.get().setSuppressKeys(this, suppressKeyEvents);
        buffer = Image.createImage(Device.width(), Device.height());
    }

    protected Graphics getGraphics() {
        return buffer.getGraphics();
    }

    public int getKeyStates() {
        return LcduiAccess.get().keyStates(this);
    }

    @Override
    public void paint(Graphics g) {
        g.drawImage(buffer, 0, 0, Graphics.TOP | Graphics.LEFT);
    }

    public void flushGraphics(int x, int y, int width, int height) {
        if (width < 1 || height < 1) {
            return;
        }
        LcduiAccess.get().flush(this, buffer, x, y, width, height);
    }

    public void flushGraphics() {
        LcduiAccess.get().flush(this, buffer, 0, 0, getWidth(), getHeight());
    }
}
