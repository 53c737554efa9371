import javax.microedition.lcdui.Display;
import javax.microedition.lcdui.Font;
import javax.microedition.midlet.MIDlet;

/** The toolkit's test MIDlet: shows a TestCanvas and runs its game loop. */
public class TestMidlet extends MIDlet {
    private TestCanvas canvas;

    protected void startApp() {
        if (canvas == null) {
            /* The phone's screen and font heights, for the test of the phone profiles. */
            int[] sizes = {Font.SIZE_SMALL, Font.SIZE_MEDIUM, Font.SIZE_LARGE};
            StringBuffer b = new StringBuffer("phone");
            for (int i = 0; i < sizes.length; i++) {
                b.append(' ').append(
                        Font.getFont(Font.FACE_SYSTEM, Font.STYLE_PLAIN, sizes[i]).getHeight());
            }
            System.out.println(b.toString());
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
