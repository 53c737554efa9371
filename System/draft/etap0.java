/*
 * Stage 0 of the generated game: the title screen. It shows the logo; any key
 * starts level 1.
 */
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.GameCanvas;

public class Etap0 extends GameCanvas implements Runnable {
    private static final int PERIOD = 50;
    private final syrk midlet;
    private Image logo;
    private volatile boolean running;
    private int frames;

    public Etap0(syrk m) {
        super(false);
        midlet = m;
        setFullScreenMode(true);
    }

    public void start() {
        try {
            logo = Image.createImage("/logo.png");
        } catch (Exception e) {
            logo = null;
        }
        midlet.started(this);
        running = true;
        new Thread(this).start();
    }

    public void stop() {
        running = false;
    }

    public void run() {
        long next = System.currentTimeMillis();
        while (running) {
            draw(getGraphics());
            flushGraphics();
            midlet.applyChange();
            frames++;
            next += PERIOD;
            long wait = next - System.currentTimeMillis();
            if (wait > 0) {
                try {
                    Thread.sleep(wait);
                } catch (InterruptedException e) {
                }
            } else {
                next = System.currentTimeMillis();
            }
        }
    }

    protected void keyPressed(int keyCode) {
        midlet.changeEtap(0, 1);
    }

    private void draw(Graphics g) {
        int w = getWidth();
        int h = getHeight();
        g.setColor(0x000000);
        g.fillRect(0, 0, w, h);
        if (logo != null) {
            g.drawImage(logo, w / 2, h / 2, Graphics.HCENTER | Graphics.VCENTER);
        }
        if ((frames / 10) % 2 == 0) {
            Font font = Font.getFont(Font.FACE_SYSTEM, Font.STYLE_PLAIN, Font.SIZE_SMALL);
            g.setFont(font);
            g.setColor(0xFFFFFF);
            /* "Нажмите любую клавишу" */
            g.drawString("\u041d\u0430\u0436\u043c\u0438\u0442\u0435 \u043b\u044e\u0431\u0443\u044e "
                    + "\u043a\u043b\u0430\u0432\u0438\u0448\u0443", w / 2, h - 10,
                    Graphics.HCENTER | Graphics.BOTTOM);
        }
    }
}
