package javax.microedition.lcdui;

import avizad.emulator.Device;
import java.awt.image.BufferedImage;
import java.awt.image.DataBufferInt;
import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.io.InputStream;
import javax.imageio.ImageIO;

/** An image: immutable (decoded or built from pixels) or mutable (drawn on with Graphics). */
public class Image {
    private final BufferedImage pixels;
    private final boolean mutable;

    private Image(BufferedImage pixels, boolean mutable) {
        this.pixels = pixels;
        this.mutable = mutable;
    }

    BufferedImage pixels() {
        return pixels;
    }

    static BufferedImage newArgb(int w, int h) {
        return new BufferedImage(w, h, BufferedImage.TYPE_INT_ARGB);
    }

    static int[] data(BufferedImage img) {
        return ((DataBufferInt) img.getRaster().getDataBuffer()).getData();
    }

    public static Image createImage(int width, int height) {
        if (width <= 0 || height <= 0) {
            throw new IllegalArgumentException("image size must be positive");
        }
        BufferedImage img = newArgb(width, height);
        java.util.Arrays.fill(data(img), 0xFFFFFFFF);
        return new Image(img, true);
    }

    public static Image createImage(Image source) {
        if (!source.mutable) {
            return source;
        }
        BufferedImage copy = newArgb(source.getWidth(), source.getHeight());
        System.arraycopy(data(source.pixels), 0, data(copy), 0, data(copy).length);
        return new Image(copy, false);
    }

    public static Image createImage(String name) throws IOException {
        InputStream in = Device.resource(name);
        if (in == null) {
            throw new IOException("no resource " + name);
        }
        try (InputStream s = in) {
            return decode(s.readAllBytes());
        }
    }

    public static Image createImage(byte[] imageData, int imageOffset, int imageLength) {
        if (imageOffset < 0 || imageLength < 0 || imageOffset + imageLength > imageData.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        try {
            return decode(java.util.Arrays.copyOfRange(imageData, imageOffset,
                    imageOffset + imageLength));
        } catch (IOException e) {
            throw new IllegalArgumentException(e.getMessage());
        }
    }

    public static Image createImage(Image image, int x, int y, int width, int height,
            int transform) {
        if (transform < 0 || transform > 7) {
            throw new IllegalArgumentException("bad transform");
        }
        if (width <= 0 || height <= 0 || x < 0 || y < 0 || x + width > image.getWidth()
                || y + height > image.getHeight()) {
            throw new IllegalArgumentException("region outside the image");
        }
        if (!image.mutable && transform == 0 && x == 0 && y == 0 && width == image.getWidth()
                && height == image.getHeight()) {
            return image;
        }
        return new Image(transformed(image.pixels, x, y, width, height, transform), false);
    }

    public static Image createImage(InputStream stream) throws IOException {
        if (stream == null) {
            throw new NullPointerException();
        }
        return decode(stream.readAllBytes());
    }

    public static Image createRGBImage(int[] rgb, int width, int height, boolean processAlpha) {
        if (rgb == null) {
            throw new NullPointerException();
        }
        if (width <= 0 || height <= 0) {
            throw new IllegalArgumentException("image size must be positive");
        }
        if ((long) width * height > rgb.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        BufferedImage img = newArgb(width, height);
        int[] out = data(img);
        for (int i = 0; i < width * height; i++) {
            out[i] = processAlpha ? rgb[i] : (rgb[i] | 0xFF000000);
        }
        return new Image(img, false);
    }

    private static Image decode(byte[] bytes) throws IOException {
        BufferedImage read = ImageIO.read(new ByteArrayInputStream(bytes));
        if (read == null) {
            throw new IOException("unsupported or damaged image data");
        }
        BufferedImage img = newArgb(read.getWidth(), read.getHeight());
        java.awt.Graphics2D g = img.createGraphics();
        g.setComposite(java.awt.AlphaComposite.Src);
        g.drawImage(read, 0, 0, null);
        g.dispose();
        return new Image(img, false);
    }

    /** A region of an image with one of the eight Sprite transforms applied. */
    static BufferedImage transformed(BufferedImage src, int x, int y, int w, int h, int transform) {
        boolean swap = transform >= 4; // ROT90, ROT270, MIRROR_ROT90, MIRROR_ROT270
        int ow = swap ? h : w;
        int oh = swap ? w : h;
        BufferedImage out = newArgb(ow, oh);
        int[] s = src.getRGB(x, y, w, h, null, 0, w);
        int[] d = data(out);
        for (int sy = 0; sy < h; sy++) {
            for (int sx = 0; sx < w; sx++) {
                int dx;
                int dy;
                switch (transform) {
                    case 0: dx = sx; dy = sy; break; // NONE
                    case 1: dx = sx; dy = h - 1 - sy; break; // MIRROR_ROT180
                    case 2: dx = w - 1 - sx; dy = sy; break; // MIRROR
                    case 3: dx = w - 1 - sx; dy = h - 1 - sy; break; // ROT180
                    case 4: dx = sy; dy = sx; break; // MIRROR_ROT270
                    case 5: dx = h - 1 - sy; dy = sx; break; // ROT90
                    case 6: dx = sy; dy = w - 1 - sx; break; // ROT270
                    default: dx = h - 1 - sy; dy = w - 1 - sx; break; // MIRROR_ROT90
                }
                d[dy * ow + dx] = s[sy * w + sx];
            }
        }
        return out;
    }

    public Graphics getGraphics() {
        if (!mutable) {
            throw new IllegalStateException("the image is immutable");
        }
        return new Graphics(pixels, pixels.getWidth(), pixels.getHeight());
    }

    public int getWidth() {
        return pixels.getWidth();
    }

    public int getHeight() {
        return pixels.getHeight();
    }

    public boolean isMutable() {
        return mutable;
    }

    public void getRGB(int[] rgbData, int offset, int scanlength, int x, int y, int width,
            int height) {
        if (rgbData == null) {
            throw new NullPointerException();
        }
        if (x < 0 || y < 0 || width < 0 || height < 0 || x + width > getWidth()
                || y + height > getHeight()) {
            throw new IllegalArgumentException("region outside the image");
        }
        if (Math.abs(scanlength) < width) {
            throw new IllegalArgumentException("scanlength shorter than width");
        }
        if (width == 0 || height == 0) {
            return;
        }
        long lastRow = (long) offset + (long) (height - 1) * scanlength;
        if (offset < 0 || lastRow < 0 || offset + width > rgbData.length
                || lastRow + width > rgbData.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        int[] src = data(pixels);
        int w = getWidth();
        for (int row = 0; row < height; row++) {
            System.arraycopy(src, (y + row) * w + x, rgbData, offset + row * scanlength, width);
        }
    }
}
