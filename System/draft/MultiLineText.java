/*
 * The lines of one text object laid out in its window: each line wrapped at blanks to the
 * window's width in the phone's font, shown from a first line on. The layout is kept and
 * made again only when a line, the width or the font changes, so drawing a text that stays
 * the same (whichever line it starts at) allocates nothing.
 */
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;

public class MultiLineText {
    /* What the layout was made from. */
    private String[] laidLines = new String[0];
    private int laidWidth = -1;
    private Font laidFont;

    /* The rows: row r shows the characters rowStart[r] .. rowEnd[r] - 1 of line rowLine[r]
       and is rowWidth[r] pixels wide. */
    private int rows;
    private int[] rowLine = new int[4];
    private int[] rowStart = new int[4];
    private int[] rowEnd = new int[4];
    private int[] rowWidth = new int[4];

    /* Lays out lines 0 .. count - 1 of `lines` for a window `width` pixels wide; does
       nothing when none of these changed since the last layout. */
    public void layout(String[] lines, int count, int width, Font font) {
        if (!changed(lines, count, width, font)) {
            return;
        }
        if (laidLines.length != count) {
            laidLines = new String[count];
        }
        for (int i = 0; i < count; i++) {
            laidLines[i] = lines[i];
        }
        laidWidth = width;
        laidFont = font;
        rows = 0;
        if (width <= 0) {
            return;
        }
        for (int i = 0; i < count; i++) {
            String line = lines[i];
            int start = 0;
            do {
                int end = start + fitting(line, start, width, font);
                addRow(i, start, end, font.substringWidth(line, start, end - start));
                start = end;
                while (start < line.length() && line.charAt(start) == ' ') {
                    start++;
                }
            } while (start < line.length());
        }
    }

    private boolean changed(String[] lines, int count, int width, Font font) {
        if (count != laidLines.length || width != laidWidth || font != laidFont) {
            return true;
        }
        for (int i = 0; i < count; i++) {
            if (lines[i] != laidLines[i]) {
                return true;
            }
        }
        return false;
    }

    private void addRow(int line, int start, int end, int width) {
        if (rows == rowLine.length) {
            rowLine = grown(rowLine);
            rowStart = grown(rowStart);
            rowEnd = grown(rowEnd);
            rowWidth = grown(rowWidth);
        }
        rowLine[rows] = line;
        rowStart[rows] = start;
        rowEnd[rows] = end;
        rowWidth[rows] = width;
        rows++;
    }

    private static int[] grown(int[] values) {
        int[] bigger = new int[values.length * 2];
        System.arraycopy(values, 0, bigger, 0, values.length);
        return bigger;
    }

    /* The first row of line `first` (0 when `first` is negative; the number of rows when
       it is past the last line). */
    private int firstRow(int first) {
        int r = 0;
        while (r < rows && rowLine[r] < first) {
            r++;
        }
        return r;
    }

    /* The height of the rows from line `first` on, and the width of the widest of them. */
    public int height(int first) {
        return laidFont == null ? 0 : (rows - firstRow(first)) * laidFont.getHeight();
    }

    public int width(int first) {
        int widest = 0;
        for (int r = firstRow(first); r < rows; r++) {
            widest = Math.max(widest, rowWidth[r]);
        }
        return widest;
    }

    /* Draws the rows from line `first` on that the window (x, y, width, height) holds,
       clipped to it and to the screen (screenWidth x screenHeight); leaves the clip at the
       screen. */
    public void draw(Graphics g, int first, int x, int y, int width, int height, int color,
            int screenWidth, int screenHeight) {
        if (width > 0 && height > 0 && laidFont != null) {
            g.setClip(0, 0, screenWidth, screenHeight);
            g.clipRect(x, y, width, height);
            g.setFont(laidFont);
            g.setColor(color);
            int rowHeight = laidFont.getHeight();
            int top = y;
            for (int r = firstRow(first); r < rows && top < y + height; r++) {
                g.drawSubstring(laidLines[rowLine[r]], rowStart[r], rowEnd[r] - rowStart[r], x,
                        top, Graphics.TOP | Graphics.LEFT);
                top += rowHeight;
            }
        }
        g.setClip(0, 0, screenWidth, screenHeight);
    }

    /* The number of characters of `text` from `start` on that fill one row: up to the last
       blank that fits, or as many characters as fit when there is none (at least one). */
    static int fitting(String text, int start, int width, Font font) {
        int length = text.length() - start;
        if (font.substringWidth(text, start, length) <= width) {
            return length;
        }
        int n = 1;
        while (n < length && font.substringWidth(text, start, n + 1) <= width) {
            n++;
        }
        int blank = text.lastIndexOf(' ', start + n);
        return blank > start ? blank - start : n;
    }
}
