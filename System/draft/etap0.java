/*
 * Stage 0 of the generated game: the title screen. It shows the logo; any key starts
 * level 1. It runs on the engine's frame loop (the class Stage) without a level: it
 * draws its own frames and has no events.
 */
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;

public class Etap0 extends Stage {
    private Image logo;
    private int frames;

    public Etap0(syrk m) {
        super(m);
    }

    /* A new game starts without the keys of the last one. */
    protected void prepare() {
        clearKeys();
        try {
            logo = Image.createImage("/logo.png");
        } catch (Exception e) {
            logo = null;
        }
    }

    protected void frame() {
        draw(getGraphics());
        flushGraphics();
        frames++;
    }

    protected void events() {
    }

    /* The key that starts the game is not one of the game's keys. */
    protected void keyPressed(int keyCode) {
        midlet.changeEtap(0, 1);
    }

    protected void keyReleased(int keyCode) {
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
