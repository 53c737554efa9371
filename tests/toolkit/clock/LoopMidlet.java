import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.game.GameCanvas;
import javax.microedition.midlet.MIDlet;

/**
 * Two game loops the emulator must schedule well: one that never sleeps (key events must still
 * reach it), and one that sleeps but draws and flushes inside a synchronized block while its key
 * handler is synchronized too (no stall). Prints where the keys moved the block, then ends.
 */
public class LoopMidlet extends MIDlet {
    static class Loop extends GameCanvas implements Runnable {
        private final boolean sleeps;
        private final MIDlet midlet;
        private int x;

        Loop(MIDlet midlet, boolean sleeps) {
            super(false);
            this.midlet = midlet;
            this.sleeps = sleeps;
            setFullScreenMode(true);
        }

        protected void keyPressed(int keyCode) {
            if (sleeps) {
                synchronized (this) {
                    fire(keyCode);
                }
            } else {
                fire(keyCode);
            }
        }

        private void fire(int keyCode) {
            if (getGameAction(keyCode) == FIRE) {
                x += 50;
            }
        }

        private void frame(Graphics g) {
            if ((getKeyStates() & RIGHT_PRESSED) != 0) {
                x += 10;
            }
            g.setColor(0);
            g.fillRect(0, 0, getWidth(), getHeight());
            g.setColor(0xFFFFFF);
            g.fillRect(x, 100, 5, 5);
            flushGraphics();
        }

        public void run() {
            Graphics g = getGraphics();
            for (int i = 0; i < 30; i++) {
                if (sleeps) {
                    synchronized (this) {
                        frame(g);
                    }
                } else {
                    frame(g);
                }
                if (sleeps) {
                    try {
                        Thread.sleep(40);
                    } catch (InterruptedException e) {
                        return;
                    }
                }
            }
            System.out.println((sleeps ? "synchronized loop x " : "loop without sleep x ") + x);
            midlet.notifyDestroyed();
        }
    }

    protected void startApp() {
        Loop loop = new Loop(this, getAppProperty("Loop-Sleeps") != null);
        javax.microedition.lcdui.Display.getDisplay(this).setCurrent(loop);
        new Thread(loop).start();
    }

    protected void pauseApp() {
    }

    protected void destroyApp(boolean unconditional) {
    }
}
