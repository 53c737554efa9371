package javax.microedition.lcdui;

import avizad.emulator.PhoneFont;

/** Fonts of the phone: the phone font's glyphs at the sizes of the screen's profile
    (avizad.emulator.PhoneFont, avizad.emulator.Device). */
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

    private final int face;
    private final int style;
    private final int size;
    private final PhoneFont.Strike strike;

    private Font(int face, int style, int size) {
        this.face = face;
        this.style = style;
        this.size = size;
        int pixelSize = avizad.emulator.Device.fontPixelSize(
                size == SIZE_SMALL ? 0 : size == SIZE_LARGE ? 2 : 1);
        strike = PhoneFont.strike(face == FACE_MONOSPACE ? 1 : face == FACE_PROPORTIONAL ? 2 : 0,
                (style & STYLE_BOLD) != 0, (style & STYLE_ITALIC) != 0, pixelSize);
    }

    PhoneFont.Strike strike() {
        return strike;
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
        return strike.height();
    }

    public int getBaselinePosition() {
        return strike.baseline();
    }

    public int charWidth(char ch) {
        return strike.charWidth(ch);
    }

    public int charsWidth(char[] ch, int offset, int length) {
        if (offset < 0 || length < 0 || offset + length > ch.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        return strike.charsWidth(ch, offset, length);
    }

    public int stringWidth(String str) {
        return strike.stringWidth(str, 0, str.length());
    }

    public int substringWidth(String str, int offset, int len) {
        if (offset < 0 || len < 0 || offset + len > str.length()) {
            throw new StringIndexOutOfBoundsException();
        }
        return strike.stringWidth(str, offset, len);
    }
}
