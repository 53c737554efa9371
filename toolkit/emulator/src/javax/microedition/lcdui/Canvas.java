package javax.microedition.lcdui;

import avizad.emulator.Device;
import avizad.emulator.Keys;
import avizad.emulator.LcduiAccess;

/** A displayable the MIDlet paints itself, with low-level key events. */
public abstract class Canvas extends Displayable {
    public static final int UP = 1;
    public static final int DOWN = 6;
    public static final int LEFT = 2;
    public static final int RIGHT = 5;
    public static final int FIRE = 8;
    public static final int GAME_A = 9;
    public static final int GAME_B = 10;
    public static final int GAME_C = 11;
    public static final int GAME_D = 12;
    public static final int KEY_NUM0 = 48;
    public static final int KEY_NUM1 = 49;
    public static final int KEY_NUM2 = 50;
    public static final int KEY_NUM3 = 51;
    public static final int KEY_NUM4 = 52;
    public static final int KEY_NUM5 = 53;
    public static final int KEY_NUM6 = 54;
    public static final int KEY_NUM7 = 55;
    public static final int KEY_NUM8 = 56;
    public static final int KEY_NUM9 = 57;
    public static final int KEY_STAR = 42;
    public static final int KEY_POUND = 35;

    boolean fullScreen;
    boolean suppressKeys;
    /** Game-action bits of the keys held down, and of those pressed since the last query. */
    int keysDown;
    int keysLatched;
    /** Pending repaint region in canvas coordinates; width 0 when none. */
    int dirtyX;
    int dirtyY;
    int dirtyW;
    int dirtyH;

    protected Canvas() {}

    public boolean isDoubleBuffered() {
        return true;
    }

    public boolean hasPointerEvents() {
        return false;
    }

    public boolean hasPointerMotionEvents() {
        return false;
    }

    public boolean hasRepeatEvents() {
        return true;
    }

    public int getKeyCode(int gameAction) {
        switch (gameAction) {
            case UP: return Keys.UP;
            case DOWN: return Keys.DOWN;
            case LEFT: return Keys.LEFT;
            case RIGHT: return Keys.RIGHT;
            case FIRE: return Keys.FIRE;
            case GAME_A: return KEY_NUM1;
            case GAME_B: return KEY_NUM3;
            case GAME_C: return KEY_NUM7;
            case GAME_D: return KEY_NUM9;
            default: throw new IllegalArgumentException("bad game action " + gameAction);
        }
    }

    public String getKeyName(int keyCode) {
        String name = Keys.nameOf(keyCode);
        if (name == null) {
            throw new IllegalArgumentException("bad key code " + keyCode);
        }
        return name;
    }

    public int getGameAction(int keyCode) {
        return gameAction(keyCode);
    }

    static int gameAction(int keyCode) {
        switch (keyCode) {
            case Keys.UP: case KEY_NUM2: return UP;
            case Keys.DOWN: case KEY_NUM8: return DOWN;
            case Keys.LEFT: case KEY_NUM4: return LEFT;
            case Keys.RIGHT: case KEY_NUM6: return RIGHT;
            case Keys.FIRE: case KEY_NUM5: return FIRE;
            case KEY_NUM1: return GAME_A;
            case KEY_NUM3: return GAME_B;
            case KEY_NUM7: return GAME_C;
            case KEY_NUM9: return GAME_D;
            case KEY_NUM0: case KEY_STAR: case KEY_POUND: case Keys.SOFT1: case Keys.SOFT2:
                return 0;
            default: throw new IllegalArgumentException("bad key code " + keyCode);
        }
    }

    public void setFullScreenMode(boolean mode) {
        if (fullScreen != mode) {
            fullScreen = mode;
            if (isShown()) {
                Display.instance().requestPaint();
                sizeChanged(getWidth(), getHeight());
            }
        }
    }

    @Override
    public int getWidth() {
        return Device.width();
    }

    @Override
    public int getHeight() {
        return fullScreen ? Device.height() : Device.height() - BAR_HEIGHT;
    }

    protected void keyPressed(int keyCode) {}

    protected void keyRepeated(int keyCode) {}

    protected void keyReleased(int keyCode) {}

    protected void pointerPressed(int x, int y) {}

    protected void pointerReleased(int x, int y) {}

    protected void pointerDragged(int x, int y) {}

    public final void repaint(int x, int y, int width, int height) {
        if (width <= 0 || height <= 0) {
            return;
        }
        synchronized (this) {
            if (dirtyW == 0) {
                dirtyX = x;
                dirtyY = y;
                dirtyW = width;
                dirtyH = height;
            } else {
                int x2 = Math.max(dirtyX + dirtyW, x + width);
                int y2 = Math.max(dirtyY + dirtyH, y + height);
                dirtyX = Math.min(dirtyX, x);
                dirtyY = Math.min(dirtyY, y);
                dirtyW = x2 - dirtyX;
                dirtyH = y2 - dirtyY;
            }
        }
        if (isShown()) {
            Display.instance().requestPaint();
        }
    }

    public final void repaint() {
        repaint(0, 0, getWidth(), getHeight());
    }

    public final void serviceRepaints() {
        Display.instance().serviceRepaints();
    }

    protected void showNotify() {}

    protected void hideNotify() {}

    protected abstract void paint(Graphics g);

    @Override
    protected void sizeChanged(int w, int h) {}

    @Override
    void shown() {
        synchronized (this) {
            dirtyX = 0;
            dirtyY = 0;
            dirtyW = getWidth();
            dirtyH = getHeight();
        }
        showNotify();
    }

    @Override
    void hidden() {
        synchronized (this) {
            keysDown = 0;
            keysLatched = 0;
        }
        hideNotify();
    }

    @Override
    boolean hasBar() {
        return !fullScreen;
    }

    @Override
    void paintScreen(Graphics g) {
        int x;
        int y;
        int w;
        int h;
        synchronized (this) {
            x = dirtyX;
            y = dirtyY;
            w = dirtyW;
            h = dirtyH;
            dirtyW = 0;
            dirtyH = 0;
        }
        if (w == 0) {
            x = 0;
            y = 0;
            w = getWidth();
            h = getHeight();
        }
        g.setClip(0, 0, getWidth(), getHeight());
        g.clipRect(x, y, w, h);
        paint(g);
    }

    int latchKeyStates() {
        synchronized (this) {
            int s = keysDown | keysLatched;
            keysLatched = 0;
            return s;
        }
    }

    @Override
    boolean keyEvent(int type, int code) {
        int action;
        try {
            action = gameAction(code);
        } catch (IllegalArgumentException e) {
            action = 0;
        }
        if (action != 0) {
            synchronized (this) {
                int bit = 1 << action;
                if (type == LcduiAccess.KEY_PRESSED) {
                    keysDown |= bit;
                    keysLatched |= bit;
                } else if (type == LcduiAccess.KEY_RELEASED) {
                    keysDown &= ~bit;
                }
            }
        }
        if (suppressKeys && action != 0) {
            return true;
        }
        switch (type) {
            case LcduiAccess.KEY_PRESSED: keyPressed(code); break;
            case LcduiAccess.KEY_RELEASED: keyReleased(code); break;
            default: keyRepeated(code); break;
        }
        return true;
    }
}
