package javax.microedition.lcdui;

import java.awt.BasicStroke;
import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.RenderingHints;
import java.awt.image.BufferedImage;
import java.awt.image.DataBufferInt;

/** Drawing on the screen or on a mutable image, on top of Java 2D without antialiasing. */
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

    private final BufferedImage target;
    private final Graphics2D g;
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

    Graphics(BufferedImage target, int width, int height) {
        this.target = target;
        this.maxW = width;
        this.maxH = height;
        this.g = target.createGraphics();
        g.setRenderingHint(RenderingHints.KEY_ANTIALIASING, RenderingHints.VALUE_ANTIALIAS_OFF);
        g.setRenderingHint(
                RenderingHints.KEY_TEXT_ANTIALIASING, RenderingHints.VALUE_TEXT_ANTIALIAS_OFF);
        g.setRenderingHint(RenderingHints.KEY_STROKE_CONTROL, RenderingHints.VALUE_STROKE_PURE);
        cw = width;
        ch = height;
        applyClip();
        setColor(0);
    }

    BufferedImage target() {
        return target;
    }

    private void applyClip() {
        g.setClip(cx, cy, Math.max(cw, 0), Math.max(ch, 0));
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
        g.setColor(new Color(color));
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
        g.setStroke(style == SOLID ? new BasicStroke(1)
                : new BasicStroke(1, BasicStroke.CAP_BUTT, BasicStroke.JOIN_MITER, 1,
                        new float[] {2, 2}, 0));
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
        applyClip();
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
        applyClip();
    }

    // ---------------------------------------------------------------- shapes

    public void drawLine(int x1, int y1, int x2, int y2) {
        g.drawLine(x1 + tx, y1 + ty, x2 + tx, y2 + ty);
    }

    public void fillRect(int x, int y, int width, int height) {
        if (width > 0 && height > 0) {
            g.fillRect(x + tx, y + ty, width, height);
        }
    }

    public void drawRect(int x, int y, int width, int height) {
        if (width >= 0 && height >= 0) {
            g.drawRect(x + tx, y + ty, width, height);
        }
    }

    public void drawRoundRect(int x, int y, int width, int height, int arcWidth, int arcHeight) {
        if (width >= 0 && height >= 0) {
            g.drawRoundRect(x + tx, y + ty, width, height, arcWidth, arcHeight);
        }
    }

    public void fillRoundRect(int x, int y, int width, int height, int arcWidth, int arcHeight) {
        if (width > 0 && height > 0) {
            g.fillRoundRect(x + tx, y + ty, width, height, arcWidth, arcHeight);
        }
    }

    public void fillArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        if (width > 0 && height > 0) {
            g.fillArc(x + tx, y + ty, width, height, startAngle, arcAngle);
        }
    }

    public void drawArc(int x, int y, int width, int height, int startAngle, int arcAngle) {
        if (width >= 0 && height >= 0) {
            g.drawArc(x + tx, y + ty, width, height, startAngle, arcAngle);
        }
    }

    public void fillTriangle(int x1, int y1, int x2, int y2, int x3, int y3) {
        g.fillPolygon(new int[] {x1 + tx, x2 + tx, x3 + tx}, new int[] {y1 + ty, y2 + ty, y3
                + ty}, 3);
    }

    // ---------------------------------------------------------------- text

    private static void checkTextAnchor(int anchor) {
        int h = anchor & (LEFT | RIGHT | HCENTER);
        int v = anchor & (TOP | BOTTOM | BASELINE);
        if ((anchor & ~(LEFT | RIGHT | HCENTER | TOP | BOTTOM | BASELINE)) != 0
                || Integer.bitCount(h) > 1 || Integer.bitCount(v) > 1
                || (anchor != 0 && (h == 0 || v == 0))) {
            throw new IllegalArgumentException("bad anchor " + anchor);
        }
    }

    public void drawString(String str, int x, int y, int anchor) {
        if (str == null) {
            throw new NullPointerException();
        }
        drawText(str, 0, str.length(), x, y, anchor);
    }

    public void drawSubstring(String str, int offset, int len, int x, int y, int anchor) {
        if (offset < 0 || len < 0 || offset + len > str.length()) {
            throw new StringIndexOutOfBoundsException();
        }
        drawText(str, offset, len, x, y, anchor);
    }

    public void drawChar(char character, int x, int y, int anchor) {
        drawText(String.valueOf(character), 0, 1, x, y, anchor);
    }

    public void drawChars(char[] data, int offset, int length, int x, int y, int anchor) {
        if (offset < 0 || length < 0 || offset + length > data.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        drawText(new String(data, offset, length), 0, length, x, y, anchor);
    }

    /** Characters offset .. offset + length - 1 of `str` in the phone font, by the font's
        drawing rule (avizad.emulator.PhoneFont), straight into the target's pixels. */
    private void drawText(String str, int offset, int length, int x, int y, int anchor) {
        checkTextAnchor(anchor);
        if (anchor == 0) {
            anchor = TOP | LEFT;
        }
        avizad.emulator.PhoneFont.Strike strike = font.strike();
        if ((anchor & (HCENTER | RIGHT)) != 0) {
            int w = strike.stringWidth(str, offset, length);
            x -= (anchor & HCENTER) != 0 ? w / 2 : w;
        }
        int baseline;
        if ((anchor & TOP) != 0) {
            baseline = y + strike.baseline();
        } else if ((anchor & BOTTOM) != 0) {
            baseline = y - strike.height() + strike.baseline();
        } else {
            baseline = y;
        }
        java.awt.image.Raster raster = target.getRaster();
        int stride = ((java.awt.image.SinglePixelPackedSampleModel) raster.getSampleModel())
                .getScanlineStride();
        int pixel = target.getType() == BufferedImage.TYPE_INT_ARGB ? 0xFF000000 | color : color;
        strike.draw(((DataBufferInt) raster.getDataBuffer()).getData(), stride, cx, cy,
                Math.min(cw, target.getWidth() - cx), Math.min(ch, target.getHeight() - cy), str,
                offset, length, x + tx, baseline + ty, font.isUnderlined(), pixel);
    }

    // ---------------------------------------------------------------- images

    private static void checkImageAnchor(int anchor) {
        int h = anchor & (LEFT | RIGHT | HCENTER);
        int v = anchor & (TOP | BOTTOM | VCENTER);
        if ((anchor & ~(LEFT | RIGHT | HCENTER | TOP | BOTTOM | VCENTER)) != 0
                || Integer.bitCount(h) > 1 || Integer.bitCount(v) > 1
                || (anchor != 0 && (h == 0 || v == 0))) {
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
        g.drawImage(img.pixels(), anchorX(x, w, anchor) + tx, anchorY(y, h, anchor) + ty, null);
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
        if (src.pixels() == target && src.isMutable()) {
            throw new IllegalArgumentException("source and destination are the same image");
        }
        if (width == 0 || height == 0) {
            return;
        }
        if (transform == 0) {
            int dx = anchorX(xDest, width, anchor) + tx;
            int dy = anchorY(yDest, height, anchor) + ty;
            g.drawImage(src.pixels(), dx, dy, dx + width, dy + height, xSrc, ySrc, xSrc + width,
                    ySrc + height, null);
            return;
        }
        BufferedImage region = Image.transformed(src.pixels(), xSrc, ySrc, width, height,
                transform);
        int w = region.getWidth();
        int h = region.getHeight();
        g.drawImage(region, anchorX(xDest, w, anchor) + tx, anchorY(yDest, h, anchor) + ty, null);
    }

    public void copyArea(int xSrc, int ySrc, int width, int height, int xDest, int yDest,
            int anchor) {
        checkImageAnchor(anchor);
        int sx = xSrc + tx;
        int sy = ySrc + ty;
        if (width < 0 || height < 0 || sx < 0 || sy < 0 || sx + width > maxW || sy
                + height > maxH) {
            throw new IllegalArgumentException("area outside the destination");
        }
        if (width == 0 || height == 0) {
            return;
        }
        BufferedImage copy = new BufferedImage(width, height, BufferedImage.TYPE_INT_ARGB);
        copy.setRGB(0, 0, width, height, target.getRGB(sx, sy, width, height, null, 0, width), 0,
                width);
        g.drawImage(copy, anchorX(xDest, width, anchor) + tx, anchorY(yDest, height, anchor) + ty,
                null);
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
        BufferedImage tmp = new BufferedImage(width, height, BufferedImage.TYPE_INT_ARGB);
        int[] out = ((DataBufferInt) tmp.getRaster().getDataBuffer()).getData();
        for (int row = 0; row < height; row++) {
            for (int col = 0; col < width; col++) {
                int p = rgbData[offset + row * scanlength + col];
                out[row * width + col] = processAlpha ? p : (p | 0xFF000000);
            }
        }
        g.drawImage(tmp, x + tx, y + ty, null);
    }

    public int getDisplayColor(int color) {
        return color & 0xFFFFFF;
    }
}
