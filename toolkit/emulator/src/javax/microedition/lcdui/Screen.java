package javax.microedition.lcdui;

import avizad.emulator.Device;
import avizad.emulator.Keys;
import avizad.emulator.LcduiAccess;

/** The high-level displayables: a title bar over a scrolling column of content. */
public abstract class Screen extends Displayable {
    static final int TITLE_HEIGHT = 20;
    static final Font TEXT_FONT = Font.getDefaultFont();
    static final Font TITLE_FONT = Font.getFont(Font.FACE_SYSTEM, Font.STYLE_BOLD,
            Font.SIZE_MEDIUM);
    int scrollY;

    Screen() {}

    @Override
    public int getHeight() {
        return Device.height() - BAR_HEIGHT - TITLE_HEIGHT;
    }

    @Override
    void paintScreen(Graphics g) {
        int w = Device.width();
        g.setColor(0xFFFFFF);
        g.fillRect(0, 0, w, Device.height());
        g.setColor(0x204080);
        g.fillRect(0, 0, w, TITLE_HEIGHT);
        g.setColor(0xFFFFFF);
        g.setFont(TITLE_FONT);
        String t = ticker != null ? ticker.getString() : title;
        if (t != null) {
            g.drawString(t, 4, TITLE_HEIGHT / 2 + 6, Graphics.LEFT | Graphics.BASELINE);
        }
        g.setClip(0, TITLE_HEIGHT, w, getHeight());
        g.translate(0, TITLE_HEIGHT - scrollY);
        g.setFont(TEXT_FONT);
        g.setColor(0);
        paintContent(g, w);
    }

    /** Draws the content from y = 0 down; returns the focused row's top and bottom. */
    abstract int[] paintContent(Graphics g, int width);

    /** Moves the focus; returns whether it moved. */
    boolean moveFocus(int delta) {
        return false;
    }

    /** The centre key on the focused element. */
    void select() {}

    @Override
    boolean keyEvent(int type, int code) {
        if (type == LcduiAccess.KEY_RELEASED) {
            return true;
        }
        if (code == Keys.UP || code == Keys.DOWN) {
            if (!moveFocus(code == Keys.UP ? -1 : 1)) {
                scrollY = Math.max(0, scrollY + (code == Keys.UP ? -20 : 20));
            }
            changed();
        } else if (code == Keys.FIRE && type == LcduiAccess.KEY_PRESSED) {
            select();
            changed();
        }
        return true;
    }

    /** Keeps the focused row visible. */
    void reveal(int top, int bottom) {
        int h = getHeight();
        if (top < scrollY) {
            scrollY = top;
        } else if (bottom > scrollY + h) {
            scrollY = bottom - h;
        }
    }

    /** Draws text wrapped to the width; returns the height used. */
    static int drawWrapped(Graphics g, String text, Font f, int x, int y, int width) {
        if (text == null || text.length() == 0) {
            return 0;
        }
        g.setFont(f);
        int lineH = f.getHeight();
        int used = 0;
        int start = 0;
        while (start < text.length()) {
            int end = start;
            int lastBreak = -1;
            while (end < text.length() && text.charAt(end) != '\n'
                    && f.substringWidth(text, start, end - start + 1) <= width) {
                if (text.charAt(end) == ' ') {
                    lastBreak = end;
                }
                end++;
            }
            if (end < text.length() && text.charAt(end) != '\n' && lastBreak > start) {
                end = lastBreak;
            }
            if (end == start && end < text.length() && text.charAt(end) != '\n') {
                end++;
            }
            g.drawSubstring(text, start, end - start, x, y + used, Graphics.TOP | Graphics.LEFT);
            used += lineH;
            start = end;
            if (start < text.length() && (text.charAt(start) == '\n'
                    || text.charAt(start) == ' ')) {
                start++;
            }
        }
        return used;
    }
}
