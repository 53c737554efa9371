import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.util.Random;
import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.GameCanvas;
import javax.microedition.lcdui.game.LayerManager;
import javax.microedition.lcdui.game.Sprite;
import javax.microedition.lcdui.game.TiledLayer;
import javax.microedition.media.Manager;
import javax.microedition.media.MediaException;
import javax.microedition.media.Player;
import javax.microedition.media.PlayerListener;

/**
 * A small game loop: a sprite moved by the joystick, a tiled layer with an animated tile, a bar
 * as long as the time elapsed, a square that the centre key turns green, a square that turns
 * magenta when a 300 ms sound has played to its end, and '#' throws.
 */
public class TestCanvas extends GameCanvas implements Runnable, PlayerListener {
    private final Sprite hero;
    private final LayerManager layers = new LayerManager();
    private final Random random = new Random();
    private boolean fired;
    private boolean soundEnded;
    private Player sound;
    private long start;

    public TestCanvas() {
        super(false);
        setFullScreenMode(true);
        Image tiles;
        try {
            tiles = Image.createImage("/tiles.png");
        } catch (IOException e) {
            throw new RuntimeException("no tiles.png: " + e.getMessage());
        }
        hero = new Sprite(tiles, 8, 8);
        hero.setTransform(Sprite.TRANS_MIRROR);
        hero.setPosition(20, 100);
        TiledLayer ground = new TiledLayer(4, 1, tiles, 8, 8);
        int water = ground.createAnimatedTile(1);
        ground.setCell(0, 0, 1);
        ground.setCell(1, 0, 2);
        ground.setCell(3, 0, water);
        ground.setAnimatedTile(water, 2);
        ground.setPosition(0, 200);
        layers.append(hero);
        layers.append(ground);
        layers.setViewWindow(0, 0, 240, 320);
    }

    protected void keyPressed(int keyCode) {
        if (getGameAction(keyCode) == Canvas.FIRE) {
            fired = true;
        }
        if (keyCode == Canvas.KEY_POUND) {
            throw new RuntimeException("test exception requested");
        }
    }

    /** A wav file of 8-bit mono samples at 8000 Hz: a square wave. */
    private static byte[] wav(int samples) {
        byte[] b = new byte[44 + samples];
        String[] tags = {"RIFF", "WAVE", "fmt ", "data"};
        int[] at = {0, 8, 12, 36};
        for (int t = 0; t < tags.length; t++) {
            for (int i = 0; i < 4; i++) {
                b[at[t] + i] = (byte) tags[t].charAt(i);
            }
        }
        int[][] fields = {{4, 36 + samples, 4}, {16, 16, 4}, {20, 1, 2}, {22, 1, 2},
            {24, 8000, 4}, {28, 8000, 4}, {32, 1, 2}, {34, 8, 2}, {40, samples, 4}};
        for (int f = 0; f < fields.length; f++) {
            for (int i = 0; i < fields[f][2]; i++) {
                b[fields[f][0] + i] = (byte) (fields[f][1] >> (8 * i));
            }
        }
        for (int i = 0; i < samples; i++) {
            b[44 + i] = (byte) ((i / 20) % 2 == 0 ? 96 : 160);
        }
        return b;
    }

    public void playerUpdate(Player player, String event, Object eventData) {
        if (event.equals(PlayerListener.END_OF_MEDIA)) {
            soundEnded = true;
        }
    }

    public void run() {
        Graphics g = getGraphics();
        try {
            sound = Manager.createPlayer(new ByteArrayInputStream(wav(2400)), "audio/x-wav");
            sound.addPlayerListener(this);
            sound.realize();
            if (sound.getDuration() != 300000) {
                throw new RuntimeException("duration " + sound.getDuration());
            }
            sound.start();
        } catch (IOException e) {
            throw new RuntimeException(e.toString());
        } catch (MediaException e) {
            throw new RuntimeException(e.toString());
        }
        start = System.currentTimeMillis();
        while (true) {
            int keys = getKeyStates();
            if ((keys & RIGHT_PRESSED) != 0) {
                hero.move(4, 0);
            }
            if ((keys & DOWN_PRESSED) != 0) {
                hero.move(0, 4);
            }
            long elapsed = System.currentTimeMillis() - start;
            g.setColor(0x102030);
            g.fillRect(0, 0, getWidth(), getHeight());
            g.setColor(0xFFFFFF);
            g.fillRect(0, 10, (int) (elapsed / 10), 4);
            g.setColor(fired ? 0x00FF00 : 0xFFFF00);
            g.fillRect(200, 20, 10, 10);
            g.setColor(soundEnded ? 0xFF00FF : 0x000000);
            g.fillRect(220, 20, 10, 10);
            g.setColor(0x808080);
            g.fillRect(random.nextInt(200), 300, 3, 3);
            g.setFont(Font.getFont(Font.FACE_SYSTEM, Font.STYLE_BOLD, Font.SIZE_SMALL));
            g.setColor(0xFFFFFF);
            g.drawString("\u0421\u0447\u0451\u0442 " + elapsed, 120, 280,
                    Graphics.HCENTER | Graphics.BASELINE);
            layers.paint(g, 0, 0);
            flushGraphics();
            try {
                Thread.sleep(50);
            } catch (InterruptedException e) {
                return;
            }
        }
    }
}
