package javax.microedition.lcdui;

import avizad.emulator.LcduiAccess;

/** An item the MIDlet paints itself. */
public abstract class CustomItem extends Item {
    protected static final int NONE = 0;
    protected static final int TRAVERSE_HORIZONTAL = 1;
    protected static final int TRAVERSE_VERTICAL = 2;
    protected static final int KEY_PRESS = 4;
    protected static final int KEY_RELEASE = 8;
    protected static final int KEY_REPEAT = 0x10;
    protected static final int POINTER_PRESS = 0x20;
    protected static final int POINTER_RELEASE = 0x40;
    protected static final int POINTER_DRAG = 0x80;

    protected CustomItem(String label) {
        super(label);
    }

    public int getGameAction(int keyCode) {
        return Canvas.gameAction(keyCode);
    }

    protected final int getInteractionModes() {
        return TRAVERSE_VERTICAL | KEY_PRESS | KEY_RELEASE | KEY_REPEAT;
    }

    protected abstract int getMinContentWidth();

    protected abstract int getMinContentHeight();

    protected abstract int getPrefContentWidth(int height);

    protected abstract int getPrefContentHeight(int width);

    protected void sizeChanged(int w, int h) {}

    protected final void invalidate() {
        changed();
    }

    protected abstract void paint(Graphics g, int w, int h);

    protected final void repaint() {
        changed();
    }

    protected final void repaint(int x, int y, int w, int h) {
        changed();
    }

    protected boolean traverse(int dir, int viewportWidth, int viewportHeight,
            int[] visRect_inout) {
        return false;
    }

    protected void traverseOut() {}

    protected void keyPressed(int keyCode) {}

    protected void keyReleased(int keyCode) {}

    protected void keyRepeated(int keyCode) {}

    protected void pointerPressed(int x, int y) {}

    protected void pointerReleased(int x, int y) {}

    protected void pointerDragged(int x, int y) {}

    protected void showNotify() {}

    protected void hideNotify() {}

    @Override
    boolean isFocusable() {
        return true;
    }

    @Override
    boolean itemKey(int type, int code) {
        switch (type) {
            case LcduiAccess.KEY_PRESSED: keyPressed(code); break;
            case LcduiAccess.KEY_RELEASED: keyReleased(code); break;
            default: keyRepeated(code); break;
        }
        return false;
    }

    @Override
    int paintBody(Graphics g, int x, int y, int width, boolean focused) {
        int w = Math.min(width, Math.max(getMinContentWidth(), getPrefContentWidth(-1)));
        int h = Math.max(getMinContentHeight(), getPrefContentHeight(w));
        int cx = g.getClipX();
        int cy = g.getClipY();
        int cw = g.getClipWidth();
        int ch = g.getClipHeight();
        g.translate(x, y);
        g.clipRect(0, 0, w, h);
        paint(g, w, h);
        g.translate(-x, -y);
        g.setClip(cx, cy, cw, ch);
        return h;
    }
}
