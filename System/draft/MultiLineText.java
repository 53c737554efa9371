/*
 * Draws the lines of a text object in its window: from line `first` on, each line
 * wrapped at blanks to the window's width, as many rows as the window's height holds.
 */
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;

public class MultiLineText {
    private MultiLineText() {
    }

    public static void draw(Graphics g, String[] lines, int count, int first, int x, int y,
            int width, int height, Font font, int color) {
        if (width <= 0 || height <= 0) {
            return;
        }
        g.setClip(x, y, width, height);
        g.setFont(font);
        g.setColor(color);
        int row = y;
        int rowHeight = font.getHeight();
        for (int i = first < 0 ? 0 : first; i < count && row < y + height; i++) {
            String rest = lines[i];
            do {
                int n = fitting(rest, width, font);
                g.drawString(rest.substring(0, n), x, row, Graphics.TOP | Graphics.LEFT);
                rest = rest.substring(n);
                while (rest.length() > 0 && rest.charAt(0) == ' ') {
                    rest = rest.substring(1);
                }
                row += rowHeight;
            } while (rest.length() > 0 && row < y + height);
        }
    }

    /* The number of characters of `text` that fill one row: up to the last blank that
       fits, or as many characters as fit when there is none (at least one). */
    static int fitting(String text, int width, Font font) {
        if (font.stringWidth(text) <= width) {
            return text.length();
        }
        int n = 1;
        while (n < text.length() && font.substringWidth(text, 0, n + 1) <= width) {
            n++;
        }
        int blank = text.lastIndexOf(' ', n);
        return blank > 0 ? blank : n;
    }
}
