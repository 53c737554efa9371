package javax.microedition.lcdui;

/**
 * Drawing on the screen or on a mutable image, as the emulator draws: the same clip and
 * translation rules, the same pixels (source-over blending without antialiasing), the pixel
 * work done by the machine.
 */
public class Graphics {
    public static final int HCENTER = 1;
    public static final int VCENTER = 2;
    public static final int LEFT = 4;
    public static final int RIGHT = 8;
    public static final int TOP = 16;
    public static final int BOTTOM = 32;
    public static final int BASELINE = 64;
    public static final int SOLID = 0;
    public static final int DOTTED = 1;

    private final int[] target;
    private final boolean alpha;
    private int tx;
    private int ty;
    /** Clip in target coordinates. */
    private int cx;
    private int cy;
    private int cw;
    private int ch;
    private final int maxW;
    private final int maxH;
    private int color;
    private int strokeStyle = SOLID;
    private Font font = Font.getDefaultFont();

    /** Draws on `target` (0xAARRGGBB when `alpha`, else 0xRRGGBB) of width x height. */
    Graphics(int[] target, int width, int height, boolean alpha) {
        this.target = target;
        this.alpha = alpha;
        this.maxW = width;
        this.maxH = height;
        cw = width;
        ch = height;
        setColor(0);
    }

    int[] target() {
        return target;
    }

    // ---------------------------------------------------------------- state

    public void translate(int x, int y) {
        tx += x;
        ty += y;
    }

    public int getTranslateX() {
        return tx;
    }

    public int getTranslateY() {
        return ty;
    }

    public int getColor() {
        return color;
    }

    public int getRedComponent() {
        return (color >> 16) & 0xFF;
    }

    public int getGreenComponent() {
        return (color >> 8) & 0xFF;
    }

    public int getBlueComponent() {
        return color & 0xFF;
    }

    public int getGrayScale() {
        return (getRedComponent() * 77 + getGreenComponent() * 151 + getBlueComponent() * 28) >> 8;
    }

    public void setColor(int red, int green, int blue) {
        if (red < 0 || red > 255 || green < 0 || green > 255 || blue < 0 || blue > 255) {
            throw new IllegalArgumentException("colour component out of range");
        }
        setColor((red << 16) | (green << 8) | blue);
    }

    public void setColor(int rgb) {
        color = rgb & 0xFFFFFF;
    }

    public void setGrayScale(int value) {
        if (value < 0 || value > 255) {
            throw new IllegalArgumentException("grey value out of range");
        }
        setColor(value, value, value);
    }

    public Font getFont() {
        return font;
    }

    public void setStrokeStyle(int style) {
        if (style != SOLID && style != DOTTED) {
            throw new IllegalArgumentException("bad stroke style");
        }
        strokeStyle = style;
    }

    public int getStrokeStyle() {
        return strokeStyle;
    }

    public void setFont(Font f) {
        font = f == null ? Font.getDefaultFont() : f;
    }

    public int getClipX() {
        return cx - tx;
    }

    public int getClipY() {
        return cy - ty;
    }

    public int getClipWidth() {
        return Math.max(cw, 0);
    }

    public int getClipHeight() {
        return Math.max(ch, 0);
    }

    public void clipRect(int x, int y, int width, int height) {
        int x1 = Math.max(cx, x + tx);
        int y1 = Math.max(cy, y + ty);
        int x2 = Math.min(cx + cw, x + tx + width);
        int y2 = Math.min(cy + ch, y + ty + height);
        cx = x1;
        cy = y1;
        cw = Math.max(0, x2 - x1);
        ch = Math.max(0, y2 - y1);
    }

    public void setClip(int x, int y, int width, int height) {
        int x1 = Math.max(0, x + tx);
        int y1 = Math.max(0, y + ty);
        int x2 = Math.min(maxW, x + tx + width);
        int y2 = Math.min(maxH, y + ty + height);
        cx = x1;
        cy = y1;
        cw = Math.max(0, x2 - x1);
        ch = Math.max(0, y2 - y1);
    }

    // ---------------------------------------------------------------- shapes

    /** Kinds of shape for the machine's rasterizer. */
    private static final int LINE = 0;
    private static final int RECT = 1;
    private static final int ROUND_RECT = 2;
    private static final int FILL_ROUND_RECT = 3;
    private static final int ARC = 4;
    private static final int FILL_ARC = 5;
    private static final int TRIANGLE = 6;

    private static native void fill(int[] t, int tw, int th, boolean alpha, int cx, int cy,
            int cw, int ch, int x, int y, int w, int h, int rgb);

    private static native void shape(int[] t, int tw, int th, boolean alpha, int cx, int cy,
            int cw, int ch, int kind, int a, int b, int c, int d, int e, int f, int rgb,
            boolean dotted);

    private static native void blit(int[] t, int tw, int th, boolean alpha, int cx, int cy,
            int cw, int ch, int[] src, int sw, int sx, int sy, int w, int h, int transform,
            int dx, int dy, boolean srcAlpha);

    private static native void text(int[] t, int tw, int th, boolean alpha, int cx, int cy,
            int cw, int ch, String s, int x, int baseline, int face, int style, int size,
            int rgb);

    private void shape(int kind, int a, int b, int c, int d, int e, int f) {
        shape(target, maxW, maxH, alpha, cx, cy, cw, ch, kind, a, b, c, d, e, f, color,
                strokeStyle == DOTTED);
    }

    public void drawLine(int x1, int y1, int x2, int y2) {
        shape(LINE, x1 + tx, y1 + ty, x2 + tx, y2 + ty, 0, 0);
    }

    public void fillRect(int x, int y, int width, int height) {
        if (width > 0 && height > 0) {
            fill(target, maxW, maxH, alpha, cx, cy, cw, ch, x + tx, y + ty, width, height, color);
        }
    }

    public void drawRect(int x, int y, int width, int height) {
        if (width >= 0 && height >= 0) {
            shape(RECT, x + tx, y + ty, width, height, 0, 0);
        }
    }

    public void drawRoundRect(int x, int y, int width, int height, int arcWidth, int arcHeight) {
        if (width >= 0 && height >= 0) {
            shape(ROUND_RECT, x + tx, y + ty, width, height, arcWidth, arcHeight);
        }
    }

    public void fillRoundRect(int x, int y, int width, int height, int arcWidth, int arcHeight) {
        if (width > 0 && height > 0) {
            shape(FILL_ROUND_RECT, x + tx, y + ty, width, height, arcWidth, arcHeight);
        }
    }

    public void fillArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        if (width > 0 && height > 0) {
            shape(FILL_ARC, x + tx, y + ty, width, height, startAngle, arcAngle);
        }
    }

    public void drawArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        if (width >= 0 && height >= 0) {
            shape(ARC, x + tx, y + ty, width, height, startAngle, arcAngle);
        }
    }

    public void fillTriangle(int x1, int y1, int x2, int y2, int x3, int y3) {
        shape(TRIANGLE, x1 + tx, y1 + ty, x2 + tx, y2 + ty, x3 + tx, y3 + ty);
    }

    // ---------------------------------------------------------------- text

    private static int bitCount(int v) {
        int n = 0;
        while (v != 0) {
            n += v & 1;
            v >>>= 1;
        }
        return n;
    }

    private static void checkTextAnchor(int anchor) {
        int h = anchor & (LEFT | RIGHT | HCENTER);
        int v = anchor & (TOP | BOTTOM | BASELINE);
        if ((anchor & ~(LEFT | RIGHT | HCENTER | TOP | BOTTOM | BASELINE)) != 0
                || bitCount(h) > 1 || bitCount(v) > 1 || (anchor != 0 && (h == 0 || v == 0))) {
            throw new IllegalArgumentException("bad anchor " + anchor);
        }
    }

    public void drawString(String str, int x, int y, int anchor) {
        if (str == null) {
            throw new NullPointerException();
        }
        checkTextAnchor(anchor);
        if (anchor == 0) {
            anchor = TOP | LEFT;
        }
        int w = font.stringWidth(str);
        if ((anchor & HCENTER) != 0) {
            x -= w / 2;
        } else if ((anchor & RIGHT) != 0) {
            x -= w;
        }
        int baseline;
        if ((anchor & TOP) != 0) {
            baseline = y + font.getBaselinePosition();
        } else if ((anchor & BOTTOM) != 0) {
            baseline = y - font.getHeight() + font.getBaselinePosition();
        } else {
            baseline = y;
        }
        text(target, maxW, maxH, alpha, cx, cy, cw, ch, str, x + tx, baseline + ty,
                font.getFace(), font.getStyle(), font.getSize(), color);
    }

    public void drawSubstring(String str, int offset, int len, int x, int y, int anchor) {
        if (offset < 0 || len < 0 || offset + len > str.length()) {
            throw new StringIndexOutOfBoundsException();
        }
        drawString(str.substring(offset, offset + len), x, y, anchor);
    }

    public void drawChar(char character, int x, int y, int anchor) {
        drawString(String.valueOf(character), x, y, anchor);
    }

    public void drawChars(char[] data, int offset, int length, int x, int y, int anchor) {
        if (offset < 0 || length < 0 || offset + length > data.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        drawString(new String(data, offset, length), x, y, anchor);
    }

    // ---------------------------------------------------------------- images

    private static void checkImageAnchor(int anchor) {
        int h = anchor & (LEFT | RIGHT | HCENTER);
        int v = anchor & (TOP | BOTTOM | VCENTER);
        if ((anchor & ~(LEFT | RIGHT | HCENTER | TOP | BOTTOM | VCENTER)) != 0
                || bitCount(h) > 1 || bitCount(v) > 1 || (anchor != 0 && (h == 0 || v == 0))) {
            throw new IllegalArgumentException("bad anchor " + anchor);
        }
    }

    private static int anchorX(int x, int w, int anchor) {
        if ((anchor & HCENTER) != 0) {
            return x - w / 2;
        }
        if ((anchor & RIGHT) != 0) {
            return x - w;
        }
        return x;
    }

    private static int anchorY(int y, int h, int anchor) {
        if ((anchor & VCENTER) != 0) {
            return y - h / 2;
        }
        if ((anchor & BOTTOM) != 0) {
            return y - h;
        }
        return y;
    }

    public void drawImage(Image img, int x, int y, int anchor) {
        if (img == null) {
            throw new NullPointerException();
        }
        checkImageAnchor(anchor);
        int w = img.getWidth();
        int h = img.getHeight();
        blit(target, maxW, maxH, alpha, cx, cy, cw, ch, img.data, w, 0, 0, w, h, 0,
                anchorX(x, w, anchor) + tx, anchorY(y, h, anchor) + ty, true);
    }

    public void drawRegion(Image src, int xSrc, int ySrc, int width, int height, int transform,
            int xDest, int yDest, int anchor) {
        if (src == null) {
            throw new NullPointerException();
        }
        if (transform < 0 || transform > 7) {
            throw new IllegalArgumentException("bad transform " + transform);
        }
        checkImageAnchor(anchor);
        if (width < 0 || height < 0 || xSrc < 0 || ySrc < 0 || xSrc + width > src.getWidth()
                || ySrc + height > src.getHeight()) {
            throw new IllegalArgumentException("region outside the image");
        }
        if (src.data == target && src.isMutable()) {
            throw new IllegalArgumentException("source and destination are the same image");
        }
        if (width == 0 || height == 0) {
            return;
        }
        boolean swap = transform >= 4;
        int w = swap ? height : width;
        int h = swap ? width : height;
        blit(target, maxW, maxH, alpha, cx, cy, cw, ch, src.data, src.getWidth(), xSrc, ySrc,
                width, height, transform, anchorX(xDest, w, anchor) + tx,
                anchorY(yDest, h, anchor) + ty, true);
    }

    public void copyArea(int xSrc, int ySrc, int width, int height, int xDest, int yDest,
            int anchor) {
        checkImageAnchor(anchor);
        int sx = xSrc + tx;
        int sy = ySrc + ty;
        if (width < 0 || height < 0 || sx < 0 || sy < 0 || sx + width > maxW
                || sy + height > maxH) {
            throw new IllegalArgumentException("area outside the destination");
        }
        if (width == 0 || height == 0) {
            return;
        }
        int[] copy = new int[width * height];
        for (int row = 0; row < height; row++) {
            System.arraycopy(target, (sy + row) * maxW + sx, copy, row * width, width);
        }
        blit(target, maxW, maxH, alpha, cx, cy, cw, ch, copy, width, 0, 0, width, height, 0,
                anchorX(xDest, width, anchor) + tx, anchorY(yDest, height, anchor) + ty, alpha);
    }

    public void drawRGB(int[] rgbData, int offset, int scanlength, int x, int y, int width,
            int height, boolean processAlpha) {
        if (rgbData == null) {
            throw new NullPointerException();
        }
        if (width <= 0 || height <= 0) {
            return;
        }
        long first = (long) offset;
        long last = (long) offset + (long) (height - 1) * scanlength + width - 1;
        if (first < 0 || last >= rgbData.length || Math.min(first, (long) offset
                + (long) (height - 1) * scanlength) < 0) {
            throw new ArrayIndexOutOfBoundsException();
        }
        int[] tmp = new int[width * height];
        for (int row = 0; row < height; row++) {
            System.arraycopy(rgbData, offset + row * scanlength, tmp, row * width, width);
        }
        blit(target, maxW, maxH, alpha, cx, cy, cw, ch, tmp, width, 0, 0, width, height, 0,
                x + tx, y + ty, processAlpha);
    }

    public int getDisplayColor(int color) {
        return color & 0xFFFFFF;
    }
}
