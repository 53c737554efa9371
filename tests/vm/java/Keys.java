import javax.microedition.lcdui.Canvas;
import javax.microedition.lcdui.Display;
import javax.microedition.lcdui.Graphics;
import javax.microedition.midlet.MIDlet;

/* Prints the keys the player presses; # ends it. */
public class Keys extends MIDlet {
    protected void startApp() {
        Display.getDisplay(this).setCurrent(new Canvas() {
            protected void paint(Graphics g) {
                g.setColor(0x102030);
                g.fillRect(0, 0, getWidth(), getHeight());
            }

            protected void keyPressed(int code) {
                System.out.println("pressed " + code + " " + getGameAction(code));
                if (code == KEY_POUND) {
                    notifyDestroyed();
                }
            }
        });
    }

    protected void pauseApp() {
    }

    protected void destroyApp(boolean unconditional) {
    }
}
