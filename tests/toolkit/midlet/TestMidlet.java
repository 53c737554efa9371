import javax.microedition.lcdui.Display;
import javax.microedition.midlet.MIDlet;

/** The toolkit's test MIDlet: shows a TestCanvas and runs its game loop. */
public class TestMidlet extends MIDlet {
    private TestCanvas canvas;

    protected void startApp() {
        if (canvas == null) {
            canvas = new TestCanvas();
            Display.getDisplay(this).setCurrent(canvas);
            new Thread(canvas).start();
        }
    }

    protected void pauseApp() {
    }

    protected void destroyApp(boolean unconditional) {
    }
}
