package javax.microedition.lcdui;

import avizad.emulator.Device;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;

/** An image: immutable (decoded or built from pixels) or mutable (drawn on with Graphics). */
public class Image {
    /** 0xAARRGGBB, row by row. */
    final int[] data;
    private final int width;
    private final int height;
    private final boolean mutable;

    private Image(int[] data, int width, int height, boolean mutable) {
        this.data = data;
        this.width = width;
        this.height = height;
        this.mutable = mutable;
    }

    public static Image createImage(int width, int height) {
        if (width <= 0 || height <= 0) {
            throw new IllegalArgumentException("image size must be positive");
        }
        int[] d = new int[width * height];
        for (int i = 0; i < d.length; i++) {
            d[i] = 0xFFFFFFFF;
        }
        return new Image(d, width, height, true);
    }

    public static Image createImage(Image source) {
        if (!source.mutable) {
            return source;
        }
        int[] copy = new int[source.data.length];
        System.arraycopy(source.data, 0, copy, 0, copy.length);
        return new Image(copy, source.width, source.height, false);
    }

    public static Image createImage(String name) throws IOException {
        InputStream in = Device.resource(name);
        if (in == null) {
            throw new IOException("no resource " + name);
        }
        try {
            return decode(readAll(in));
        } finally {
            in.close();
        }
    }

    public static Image createImage(byte[] imageData, int imageOffset, int imageLength) {
        if (imageOffset < 0 || imageLength < 0 || imageOffset + imageLength > imageData.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        byte[] part = new byte[imageLength];
        System.arraycopy(imageData, imageOffset, part, 0, imageLength);
        try {
            return decode(part);
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
        boolean swap = transform >= 4;
        int ow = swap ? height : width;
        int oh = swap ? width : height;
        int[] out = new int[ow * oh];
        transformed(image.data, image.width, x, y, width, height, transform, out);
        return new Image(out, ow, oh, false);
    }

    public static Image createImage(InputStream stream) throws IOException {
        if (stream == null) {
            throw new NullPointerException();
        }
        return decode(readAll(stream));
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
        int[] out = new int[width * height];
        for (int i = 0; i < width * height; i++) {
            out[i] = processAlpha ? rgb[i] : (rgb[i] | 0xFF000000);
        }
        return new Image(out, width, height, false);
    }

    private static byte[] readAll(InputStream in) throws IOException {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        byte[] buf = new byte[4096];
        int n;
        while ((n = in.read(buf, 0, buf.length)) > 0) {
            out.write(buf, 0, n);
        }
        return out.toByteArray();
    }

    /** Decodes a picture: {width, height} in `size`, the pixels returned; null when damaged. */
    private static native int[] decodePixels(byte[] bytes, int[] size);

    private static Image decode(byte[] bytes) throws IOException {
        int[] size = new int[2];
        int[] pixels = decodePixels(bytes, size);
        if (pixels == null) {
            throw new IOException("unsupported or damaged image data");
        }
        return new Image(pixels, size[0], size[1], false);
    }

    /** A region with one of the eight Sprite transforms applied, into `out`. */
    private static native void transformed(int[] src, int srcWidth, int x, int y, int w, int h,
            int transform, int[] out);

    public Graphics getGraphics() {
        if (!mutable) {
            throw new IllegalStateException("the image is immutable");
        }
        return new Graphics(data, width, height, true);
    }

    public int getWidth() {
        return width;
    }

    public int getHeight() {
        return height;
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
        int w = getWidth();
        for (int row = 0; row < height; row++) {
            System.arraycopy(data, (y + row) * w + x, rgbData, offset + row * scanlength, width);
        }
    }
}
