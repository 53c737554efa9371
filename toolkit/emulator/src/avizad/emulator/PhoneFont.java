package avizad.emulator;

import java.io.IOException;
import java.io.InputStream;

/**
 * The phone font: the screen profiles with their font sizes and the glyph bitmaps of every
 * font, read from the font file made at build time (phonefont.bin beside this class), the
 * same file the editor and our own virtual machine draw with. Drawing follows the one rule
 * of that font (the editor's src/phonefont/PhoneFont.h): glyph by glyph from the pen, the
 * bitmap's top-left pixel at (pen + left, baseline - top), the pen moving by the advance; a
 * character the font lacks draws the replacement glyph; underlined text has one row at
 * baseline + 1 under the string's whole width; only pixels inside the clip are written.
 */
public final class PhoneFont {
    private static final int RECORD = 8;
    private static final byte[] DATA = load();

    /** Screen profiles: width, height, and the pixel sizes of the small, medium, large font. */
    private static int[][] profiles;
    /** The family of the faces system, monospace and proportional. */
    private static int[] faceFamily = new int[3];
    /** The glyph record of each character: 0 (the replacement glyph) for those it lacks. */
    private static final short[] GLYPH = new short[65536];
    /** The number of glyph records of a strike: the characters and the replacement. */
    private static int glyphCount;
    private static Strike[] strikes;

    static {
        parse();
    }

    private PhoneFont() {}

    private static byte[] load() {
        try (InputStream in = PhoneFont.class.getResourceAsStream("phonefont.bin")) {
            if (in == null) {
                throw new IllegalStateException("the phone font file is missing");
            }
            return in.readAllBytes();
        } catch (IOException e) {
            throw new IllegalStateException("cannot read the phone font file", e);
        }
    }

    private static int u8(int at) {
        return DATA[at] & 0xFF;
    }

    private static int u16(int at) {
        return (u8(at) << 8) | u8(at + 1);
    }

    private static void parse() {
        if (DATA[0] != 'A' || DATA[1] != 'P' || DATA[2] != 'F' || DATA[3] != '1') {
            throw new IllegalStateException("not a phone font file");
        }
        int at = 4;
        profiles = new int[u8(at++)][];
        for (int i = 0; i < profiles.length; i++) {
            profiles[i] = new int[] {u16(at), u16(at + 2), u8(at + 4), u8(at + 5), u8(at + 6)};
            at += 7;
        }
        for (int i = 0; i < 3; i++) {
            faceFamily[i] = u8(at++);
        }
        int count = u16(at);
        glyphCount = count + 1;
        at += 2;
        for (int i = 0; i < count; i++) {
            GLYPH[u16(at)] = (short) (i + 1);
            at += 2;
        }
        strikes = new Strike[u8(at++)];
        for (int i = 0; i < strikes.length; i++) {
            strikes[i] = new Strike(u8(at), u8(at + 1), u8(at + 2), u8(at + 3), u8(at + 4),
                    (u16(at + 5) << 16) | u16(at + 7));
            at += 9;
        }
    }

    /**
     * The profile of a screen: the one of that size, else the first whose shorter side is
     * nearest to the screen's shorter side. Returns width, height, small, medium, large.
     */
    public static int[] profile(int width, int height) {
        int shorter = Math.max(0, Math.min(width, height));
        int[] best = null;
        int bestDistance = 0;
        for (int[] p : profiles) {
            if (p[0] == width && p[1] == height) {
                return p;
            }
            int distance = Math.abs(Math.min(p[0], p[1]) - shorter);
            if (best == null || distance < bestDistance) {
                best = p;
                bestDistance = distance;
            }
        }
        return best;
    }

    /**
     * The glyphs of a face (0 system, 1 monospace, 2 proportional) in bold and italic or not
     * at a pixel size.
     */
    public static Strike strike(int face, boolean bold, boolean italic, int pixelSize) {
        int family = faceFamily[face];
        int variant = (bold ? 1 : 0) | (italic ? 2 : 0);
        Strike nearest = null;
        for (Strike s : strikes) {
            if (s.family == family && s.variant == variant && (nearest == null
                    || Math.abs(s.pixelSize - pixelSize) < Math.abs(nearest.pixelSize
                            - pixelSize))) {
                nearest = s;
            }
        }
        return nearest;
    }

    /** The glyphs of one font at one size. */
    public static final class Strike {
        final int family;
        final int pixelSize;
        final int variant;
        private final int ascent;
        private final int descent;
        /* The glyph records, unpacked: advance, left, top, width, height, bitmap offset. */
        private final int[] advance;
        private final int[] left;
        private final int[] top;
        private final int[] width;
        private final int[] height;
        private final int[] bits;

        Strike(int family, int pixelSize, int variant, int ascent, int descent, int records) {
            this.family = family;
            this.pixelSize = pixelSize;
            this.variant = variant;
            this.ascent = ascent;
            this.descent = descent;
            int glyphs = glyphCount;
            advance = new int[glyphs];
            left = new int[glyphs];
            top = new int[glyphs];
            width = new int[glyphs];
            height = new int[glyphs];
            bits = new int[glyphs];
            for (int i = 0; i < glyphs; i++) {
                int r = records + i * RECORD;
                advance[i] = u8(r);
                left[i] = DATA[r + 1];
                top[i] = DATA[r + 2];
                width[i] = u8(r + 3);
                height[i] = u8(r + 4);
                bits[i] = (u8(r + 5) << 16) | u16(r + 6);
            }
        }

        public int height() {
            return ascent + descent;
        }

        public int baseline() {
            return ascent;
        }

        public int charWidth(char c) {
            return advance[GLYPH[c]];
        }

        public int charsWidth(char[] text, int offset, int length) {
            int sum = 0;
            for (int i = offset; i < offset + length; i++) {
                sum += advance[GLYPH[text[i]]];
            }
            return sum;
        }

        public int stringWidth(String text, int offset, int length) {
            int sum = 0;
            for (int i = offset; i < offset + length; i++) {
                sum += advance[GLYPH[text.charAt(i)]];
            }
            return sum;
        }

        /**
         * Draws `length` characters of `text` from `offset`, the string's left edge at x and
         * its baseline at `baseline`, into `pixels` (row after row, `stride` apart), writing
         * `pixel` where the clip (cx, cy, cw, ch, within the buffer) allows.
         */
        public void draw(int[] pixels, int stride, int cx, int cy, int cw, int ch, String text,
                int offset, int length, int x, int baseline, boolean underlined, int pixel) {
            if (cw <= 0 || ch <= 0) {
                return;
            }
            int right = cx + cw;
            int bottom = cy + ch;
            int pen = x;
            for (int i = offset; i < offset + length; i++) {
                int g = GLYPH[text.charAt(i)];
                int w = width[g];
                int x0 = pen + left[g];
                if (w > 0 && x0 < right && x0 + w > cx) {
                    int h = height[g];
                    int at = bits[g];
                    int y0 = baseline - top[g];
                    for (int row = Math.max(0, cy - y0); row < h && y0 + row < bottom; row++) {
                        int line = (y0 + row) * stride;
                        for (int column = 0, bit = row * w; column < w; column++, bit++) {
                            if ((DATA[at + (bit >> 3)] & (0x80 >> (bit & 7))) != 0) {
                                int px = x0 + column;
                                if (px >= cx && px < right) {
                                    pixels[line + px] = pixel;
                                }
                            }
                        }
                    }
                }
                pen += advance[g];
            }
            int row = baseline + 1;
            if (underlined && row >= cy && row < bottom) {
                for (int px = Math.max(x, cx); px < Math.min(pen, right); px++) {
                    pixels[row * stride + px] = pixel;
                }
            }
        }
    }
}
