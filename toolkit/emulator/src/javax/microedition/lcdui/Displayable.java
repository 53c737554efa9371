package javax.microedition.lcdui;

import avizad.emulator.Device;
import avizad.emulator.Keys;
import java.util.Vector;

/** Something the display can show: a canvas or a screen. */
public abstract class Displayable {
    static final int BAR_HEIGHT = 20;

    String title;
    Ticker ticker;
    final Vector commands = new Vector();
    CommandListener listener;

    Displayable() {}

    public String getTitle() {
        return title;
    }

    public void setTitle(String s) {
        title = s;
        changed();
    }

    public Ticker getTicker() {
        return ticker;
    }

    public void setTicker(Ticker ticker) {
        this.ticker = ticker;
        changed();
    }

    public boolean isShown() {
        return Display.instance().shows(this);
    }

    public void addCommand(Command cmd) {
        if (cmd == null) {
            throw new NullPointerException();
        }
        synchronized (commands) {
            if (!commands.contains(cmd)) {
                commands.addElement(cmd);
            }
        }
        changed();
    }

    public void removeCommand(Command cmd) {
        synchronized (commands) {
            commands.removeElement(cmd);
        }
        changed();
    }

    public void setCommandListener(CommandListener l) {
        listener = l;
    }

    public int getWidth() {
        return Device.width();
    }

    public int getHeight() {
        return Device.height() - BAR_HEIGHT;
    }

    protected void sizeChanged(int w, int h) {}

    /** Asks for a new picture of this displayable if it is shown. */
    void changed() {
        Display d = Display.instance();
        if (d.shows(this)) {
            d.requestPaint();
        }
    }

    /** Draws the whole screen: the content, then the soft-key bar. */
    abstract void paintScreen(Graphics g);

    void shown() {}

    void hidden() {}

    /** Handles a key; returns true when the key was used. */
    boolean keyEvent(int type, int code) {
        return false;
    }

    boolean hasBar() {
        return true;
    }

    /** The menu command the right soft key shows when there are more commands than keys. */
    static final Command MENU = new Command("Menu", Command.SCREEN, 0);

    /** The commands the right soft key's menu lists (all but the one on the left key). */
    Vector menuCommands() {
        Vector out = new Vector();
        Command left = softCommand(Keys.SOFT1);
        synchronized (commands) {
            for (int i = 0; i < commands.size(); i++) {
                if (commands.elementAt(i) != left) {
                    out.addElement(commands.elementAt(i));
                }
            }
        }
        return out;
    }

    /**
     * The command a soft key runs: the left one takes the first command of a back or exit kind,
     * the right one the other command, or a menu of the others when there are several.
     */
    Command softCommand(int code) {
        Command left = null;
        int others = 0;
        Command right = null;
        synchronized (commands) {
            for (int i = 0; i < commands.size(); i++) {
                Command c = (Command) commands.elementAt(i);
                if (left == null && c.isNegative()) {
                    left = c;
                }
            }
            for (int i = 0; i < commands.size(); i++) {
                Command c = (Command) commands.elementAt(i);
                if (c != left) {
                    others++;
                    if (right == null) {
                        right = c;
                    }
                }
            }
        }
        if (others > 1) {
            right = MENU;
        }
        return code == Keys.SOFT1 ? left : code == Keys.SOFT2 ? right : null;
    }

    void fireCommand(Command c) {
        CommandListener l = listener;
        if (l != null && c != null) {
            l.commandAction(c, this);
        }
    }

    void paintBar(Graphics g) {
        int w = Device.width();
        int y = Device.height() - BAR_HEIGHT;
        g.setClip(0, y, w, BAR_HEIGHT);
        g.setColor(0xE0E0E0);
        g.fillRect(0, y, w, BAR_HEIGHT);
        g.setColor(0x000000);
        g.setFont(Font.getFont(Font.FACE_SYSTEM, Font.STYLE_BOLD, Font.SIZE_SMALL));
        Command left = softCommand(Keys.SOFT1);
        Command right = softCommand(Keys.SOFT2);
        if (left != null) {
            g.drawString(left.getLabel(), 4, y + BAR_HEIGHT / 2 + 5,
                    Graphics.LEFT | Graphics.BASELINE);
        }
        if (right != null) {
            g.drawString(right.getLabel(), w - 4, y + BAR_HEIGHT / 2 + 5,
                    Graphics.RIGHT | Graphics.BASELINE);
        }
    }
}
