package javax.microedition.lcdui;

import avizad.emulator.Device;
import avizad.emulator.EventLoop;
import avizad.emulator.Keys;
import avizad.emulator.LcduiAccess;
import avizad.emulator.VM;
import javax.microedition.midlet.MIDlet;

/** The phone's display: which displayable is current, painting and key dispatch (the
    emulator's, drawing into the machine's screen). */
public class Display {
    public static final int LIST_ELEMENT = 1;
    public static final int CHOICE_GROUP_ELEMENT = 2;
    public static final int ALERT = 3;
    public static final int COLOR_BACKGROUND = 0;
    public static final int COLOR_FOREGROUND = 1;
    public static final int COLOR_HIGHLIGHTED_BACKGROUND = 2;
    public static final int COLOR_HIGHLIGHTED_FOREGROUND = 3;
    public static final int COLOR_BORDER = 4;
    public static final int COLOR_HIGHLIGHTED_BORDER = 5;

    private static final Display INSTANCE = new Display();

    static {
        LcduiAccess.register(new Bridge());
    }

    private volatile Displayable current;
    /** Whether the MIDlet is in the background (paused): nothing is shown. */
    private volatile boolean background;
    private boolean paintPending;
    /** The soft-key menu while it is open: its commands and the highlighted one. */
    private java.util.Vector menu;
    private int menuIndex;

    private Display() {}

    static Display instance() {
        return INSTANCE;
    }

    public static Display getDisplay(MIDlet m) {
        if (m == null) {
            throw new NullPointerException();
        }
        return INSTANCE;
    }

    boolean shows(Displayable d) {
        return d != null && current == d && !background;
    }

    public int getColor(int colorSpecifier) {
        switch (colorSpecifier) {
            case COLOR_BACKGROUND: return 0xFFFFFF;
            case COLOR_FOREGROUND: return 0x000000;
            case COLOR_HIGHLIGHTED_BACKGROUND: return 0x3060C0;
            case COLOR_HIGHLIGHTED_FOREGROUND: return 0xFFFFFF;
            case COLOR_BORDER: return 0x808080;
            case COLOR_HIGHLIGHTED_BORDER: return 0x3060C0;
            default: throw new IllegalArgumentException("bad colour specifier");
        }
    }

    public int getBorderStyle(boolean highlighted) {
        return highlighted ? Graphics.SOLID : Graphics.DOTTED;
    }

    public boolean isColor() {
        return true;
    }

    public int numColors() {
        return 1 << 24;
    }

    public int numAlphaLevels() {
        return 256;
    }

    public Displayable getCurrent() {
        return current;
    }

    public void setCurrent(final Displayable next) {
        if (next == null) {
            return;
        }
        if (next instanceof Alert) {
            setCurrent((Alert) next, current);
            return;
        }
        EventLoop.post(new Runnable() {
            public void run() {
                show(next);
            }
        });
    }

    public void setCurrent(final Alert alert, Displayable nextDisplayable) {
        if (alert == null) {
            throw new NullPointerException();
        }
        if (nextDisplayable instanceof Alert) {
            throw new IllegalArgumentException("the next displayable is an alert");
        }
        alert.next = nextDisplayable;
        EventLoop.post(new Runnable() {
            public void run() {
                show(alert);
            }
        });
    }

    public void setCurrentItem(Item item) {
        Screen owner = item.owner;
        if (owner == null || owner instanceof Alert) {
            throw new IllegalStateException("the item is not in a form");
        }
        if (owner instanceof Form) {
            ((Form) owner).focusItem(item);
        }
        setCurrent(owner);
    }

    public void callSerially(Runnable r) {
        EventLoop.post(r);
    }

    public boolean flashBacklight(int duration) {
        if (duration < 0) {
            throw new IllegalArgumentException();
        }
        return false;
    }

    public boolean vibrate(int duration) {
        if (duration < 0) {
            throw new IllegalArgumentException();
        }
        return false;
    }

    public int getBestImageWidth(int imageType) {
        return bestImageSize(imageType, Device.width());
    }

    public int getBestImageHeight(int imageType) {
        return bestImageSize(imageType, Device.height());
    }

    private static int bestImageSize(int imageType, int screen) {
        switch (imageType) {
            case LIST_ELEMENT: case CHOICE_GROUP_ELEMENT: return 16;
            case ALERT: return screen / 2;
            default: throw new IllegalArgumentException("bad image type");
        }
    }

    // ---------------------------------------------------------------- event thread

    /** Makes d current (event thread). */
    void show(Displayable d) {
        Displayable old = current;
        if (background) {
            current = d; // shown when the MIDlet comes back
            menu = null;
            return;
        }
        if (old == d) {
            requestPaint();
            return;
        }
        current = d;
        menu = null;
        if (old != null) {
            old.hidden();
        }
        d.shown();
        paintNow();
    }

    void requestPaint() {
        synchronized (this) {
            if (paintPending) {
                return;
            }
            paintPending = true;
        }
        EventLoop.post(new Runnable() {
            public void run() {
                paintIfPending();
            }
        });
    }

    private void paintIfPending() {
        synchronized (this) {
            if (!paintPending) {
                return;
            }
        }
        paintNow();
    }

    void serviceRepaints() {
        EventLoop.runAndWait(new Runnable() {
            public void run() {
                paintIfPending();
            }
        });
    }

    /** Paints the current displayable and shows the picture (event thread). */
    void paintNow() {
        synchronized (this) {
            paintPending = false;
        }
        Displayable d = current;
        if (d == null || background) {
            return;
        }
        int[] screen = Device.SCREEN;
        synchronized (screen) {
            Graphics g = new Graphics(screen, Device.width(), Device.height(), false);
            d.paintScreen(g);
            if (d.hasBar()) {
                g.translate(-g.getTranslateX(), -g.getTranslateY());
                d.paintBar(g);
            }
            paintMenu(g);
        }
        Device.frameDone();
    }

    /** Draws the open soft-key menu above the soft-key bar. */
    private void paintMenu(Graphics g) {
        java.util.Vector m = menu;
        if (m == null) {
            return;
        }
        Font f = Font.getDefaultFont();
        int rowH = f.getHeight() + 4;
        int h = rowH * m.size();
        int w = Device.width() * 2 / 3;
        int x = Device.width() - w;
        int y = Device.height() - Displayable.BAR_HEIGHT - h;
        g.translate(-g.getTranslateX(), -g.getTranslateY());
        g.setClip(0, 0, Device.width(), Device.height());
        g.setFont(f);
        for (int i = 0; i < m.size(); i++) {
            boolean on = i == menuIndex;
            g.setColor(on ? 0x3060C0 : 0xF0F0F0);
            g.fillRect(x, y + i * rowH, w, rowH);
            g.setColor(on ? 0xFFFFFF : 0x000000);
            Command c = (Command) m.elementAt(i);
            String label = c.getLongLabel() != null ? c.getLongLabel() : c.getLabel();
            g.drawString(label, x + 4, y + i * rowH + 2, Graphics.TOP | Graphics.LEFT);
        }
        g.setColor(0x808080);
        g.drawRect(x, y, w - 1, h - 1);
    }

    /** A key while the soft-key menu is open. */
    private void menuKey(Displayable d, int type, int code) {
        if (type == LcduiAccess.KEY_RELEASED) {
            return;
        }
        int n = menu.size();
        if (code == Keys.UP || code == Keys.DOWN) {
            menuIndex = (menuIndex + (code == Keys.UP ? n - 1 : 1)) % n;
        } else if (type == LcduiAccess.KEY_PRESSED
                && (code == Keys.FIRE || code == Keys.SOFT2 || code == Keys.SOFT1)) {
            Command c = code == Keys.SOFT1 ? null : (Command) menu.elementAt(menuIndex);
            menu = null;
            if (c != null) {
                d.fireCommand(c);
            }
        }
        requestPaint();
    }

    void keyEvent(int type, int code) {
        Displayable d = current;
        if (d == null) {
            return;
        }
        if (menu != null) {
            menuKey(d, type, code);
            return;
        }
        if (code == Keys.SOFT1 || code == Keys.SOFT2) {
            Command c = d.softCommand(code);
            if (c != null) {
                if (type == LcduiAccess.KEY_PRESSED) {
                    if (c == Displayable.MENU) {
                        menu = d.menuCommands();
                        menuIndex = 0;
                        requestPaint();
                    } else {
                        d.fireCommand(c);
                    }
                }
                return;
            }
        }
        d.keyEvent(type, code);
    }

    /** Alerts with a timeout go on to their next displayable once the time has passed. */
    void scheduleDismiss(final Alert alert, final int timeout) {
        VM.startSystemThread(new Runnable() {
            public void run() {
                try {
                    VM.sleep(timeout);
                } catch (InterruptedException e) {
                    return;
                }
                EventLoop.post(new Runnable() {
                    public void run() {
                        if (current == alert) {
                            alert.dismiss();
                        }
                    }
                });
            }
        }, "Alert timeout");
    }

    /** The services the emulator and the game package use. */
    private static final class Bridge extends LcduiAccess {
        @Override
        public void keyEvent(int type, int code) {
            INSTANCE.keyEvent(type, code);
        }

        @Override
        public int keyStates(Object canvas) {
            Canvas c = (Canvas) canvas;
            return INSTANCE.shows(c) ? c.latchKeyStates() : 0;
        }

        @Override
        public void flush(Object canvas, Object image, int x, int y, int width, int height) {
            Canvas c = (Canvas) canvas;
            if (!INSTANCE.shows(c)) {
                VM.frameShown(); // the event thread may be about to show it
                return;
            }
            Image img = (Image) image;
            int[] screen = Device.SCREEN;
            synchronized (screen) {
                Graphics g = new Graphics(screen, Device.width(), Device.height(), false);
                g.setClip(0, 0, c.getWidth(), c.getHeight());
                g.clipRect(x, y, width, height);
                g.drawImage(img, 0, 0, Graphics.TOP | Graphics.LEFT);
                if (c.hasBar()) {
                    c.paintBar(g);
                }
                INSTANCE.paintMenu(g);
            }
            Device.frameDone();
            VM.frameShown();
        }

        @Override
        public void setSuppressKeys(Object canvas, boolean suppress) {
            ((Canvas) canvas).suppressKeys = suppress;
        }

        @Override
        public void repaintScreen() {
            INSTANCE.paintNow();
        }

        @Override
        public void hideCurrent() {
            Displayable d = INSTANCE.current;
            if (d != null && !INSTANCE.background) {
                INSTANCE.background = true;
                d.hidden();
            }
        }

        @Override
        public void showCurrent() {
            Displayable d = INSTANCE.current;
            if (INSTANCE.background) {
                INSTANCE.background = false;
                if (d != null) {
                    d.shown();
                    INSTANCE.paintNow();
                }
            }
        }
    }
}
