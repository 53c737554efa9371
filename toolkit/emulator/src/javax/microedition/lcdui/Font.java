package javax.microedition.lcdui;

import java.awt.FontMetrics;
import java.awt.Graphics2D;
import java.awt.RenderingHints;
import java.awt.image.BufferedImage;

/** Fonts of the phone, drawn with the desktop's sans-serif and monospaced fonts at the
    sizes of the phone the screen size stands for (avizad.emulator.Device). */
public final class Font {
    public static final int STYLE_PLAIN = 0;
    public static final int STYLE_BOLD = 1;
    public static final int STYLE_ITALIC = 2;
    public static final int STYLE_UNDERLINED = 4;
    public static final int SIZE_SMALL = 8;
    public static final int SIZE_MEDIUM = 0;
    public static final int SIZE_LARGE = 16;
    public static final int FACE_SYSTEM = 0;
    public static final int FACE_MONOSPACE = 32;
    public static final int FACE_PROPORTIONAL = 64;
    public static final int FONT_STATIC_TEXT = 0;
    public static final int FONT_INPUT_TEXT = 1;

    private static final Font[] CACHE = new Font[3 * 3 * 8];
    private static Graphics2D measure;

    private final int face;
    private final int style;
    private final int size;
    private final java.awt.Font awt;
    private final FontMetrics metrics;

    private Font(int face, int style, int size) {
        this.face = face;
        this.style = style;
        this.size = size;
        String family = face == FACE_MONOSPACE ? java.awt.Font.MONOSPACED
                : java.awt.Font.SANS_SERIF;
        int points = avizad.emulator.Device.fontPoints(
                size == SIZE_SMALL ? 0 : size == SIZE_LARGE ? 2 : 1);
        int awtStyle = ((style & STYLE_BOLD) != 0 ? java.awt.Font.BOLD : 0)
                | ((style & STYLE_ITALIC) != 0 ? java.awt.Font.ITALIC : 0);
        awt = new java.awt.Font(family, awtStyle, points);
        metrics = measurer().getFontMetrics(awt);
    }

    private static synchronized Graphics2D measurer() {
        if (measure == null) {
            measure = new BufferedImage(1, 1, BufferedImage.TYPE_INT_RGB).createGraphics();
            measure.setRenderingHint(
                    RenderingHints.KEY_TEXT_ANTIALIASING, RenderingHints.VALUE_TEXT_ANTIALIAS_OFF);
        }
        return measure;
    }

    java.awt.Font awtFont() {
        return awt;
    }

    public static Font getDefaultFont() {
        return getFont(FACE_SYSTEM, STYLE_PLAIN, SIZE_MEDIUM);
    }

    public static Font getFont(int fontSpecifier) {
        if (fontSpecifier != FONT_STATIC_TEXT && fontSpecifier != FONT_INPUT_TEXT) {
            throw new IllegalArgumentException("bad font specifier");
        }
        return getDefaultFont();
    }

    public static Font getFont(int face, int style, int size) {
        if (face != FACE_SYSTEM && face != FACE_MONOSPACE && face != FACE_PROPORTIONAL) {
            throw new IllegalArgumentException("bad face");
        }
        if (size != SIZE_SMALL && size != SIZE_MEDIUM && size != SIZE_LARGE) {
            throw new IllegalArgumentException("bad size");
        }
        if ((style & ~(STYLE_BOLD | STYLE_ITALIC | STYLE_UNDERLINED)) != 0) {
            throw new IllegalArgumentException("bad style");
        }
        int fi = face == FACE_SYSTEM ? 0 : face == FACE_MONOSPACE ? 1 : 2;
        int si = size == SIZE_MEDIUM ? 0 : size == SIZE_SMALL ? 1 : 2;
        int index = (fi * 3 + si) * 8 + style;
        synchronized (CACHE) {
            if (CACHE[index] == null) {
                CACHE[index] = new Font(face, style, size);
            }
            return CACHE[index];
        }
    }

    public int getStyle() {
        return style;
    }

    public int getSize() {
        return size;
    }

    public int getFace() {
        return face;
    }

    public boolean isPlain() {
        return style == STYLE_PLAIN;
    }

    public boolean isBold() {
        return (style & STYLE_BOLD) != 0;
    }

    public boolean isItalic() {
        return (style & STYLE_ITALIC) != 0;
    }

    public boolean isUnderlined() {
        return (style & STYLE_UNDERLINED) != 0;
    }

    public int getHeight() {
        return metrics.getAscent() + metrics.getDescent() + metrics.getLeading();
    }

    public int getBaselinePosition() {
        return metrics.getAscent();
    }

    public int charWidth(char ch) {
        return metrics.charWidth(ch);
    }

    public int charsWidth(char[] ch, int offset, int length) {
        if (offset < 0 || length < 0 || offset + length > ch.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        return metrics.charsWidth(ch, offset, length);
    }

    public int stringWidth(String str) {
        return metrics.stringWidth(str);
    }

    public int substringWidth(String str, int offset, int len) {
        if (offset < 0 || len < 0 || offset + len > str.length()) {
            throw new StringIndexOutOfBoundsException();
        }
        return metrics.stringWidth(str.substring(offset, offset + len));
    }
}
