package javax.microedition.lcdui.game;

import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;

/**
 * An animated layer: raw frames cut from an image, a frame sequence, one of eight transforms
 * applied about the reference pixel, and a collision rectangle.
 */
public class Sprite extends Layer {
    public static final int TRANS_NONE = 0;
    public static final int TRANS_ROT90 = 5;
    public static final int TRANS_ROT180 = 3;
    public static final int TRANS_ROT270 = 6;
    public static final int TRANS_MIRROR = 2;
    public static final int TRANS_MIRROR_ROT90 = 7;
    public static final int TRANS_MIRROR_ROT180 = 1;
    public static final int TRANS_MIRROR_ROT270 = 4;

    private Image image;
    private int frameWidth;
    private int frameHeight;
    private int rawFrames;
    private int[] sequence;
    private boolean customSequence;
    private int sequenceIndex;
    private int refX;
    private int refY;
    private int collX;
    private int collY;
    private int collW;
    private int collH;
    private int transform = TRANS_NONE;

    public Sprite(Image image) {
        this(image, image.getWidth(), image.getHeight());
    }

    public Sprite(Image image, int frameWidth, int frameHeight) {
        super(frameWidth, frameHeight);
        setFrames(image, frameWidth, frameHeight);
        sequence = defaultSequence(rawFrames);
        collW = frameWidth;
        collH = frameHeight;
    }

    public Sprite(Sprite s) {
        super(s.width, s.height);
        image = s.image;
        frameWidth = s.frameWidth;
        frameHeight = s.frameHeight;
        rawFrames = s.rawFrames;
        sequence = s.sequence.clone();
        customSequence = s.customSequence;
        sequenceIndex = s.sequenceIndex;
        refX = s.refX;
        refY = s.refY;
        collX = s.collX;
        collY = s.collY;
        collW = s.collW;
        collH = s.collH;
        transform = s.transform;
        x = s.x;
        y = s.y;
        visible = s.visible;
    }

    private static int[] defaultSequence(int n) {
        int[] seq = new int[n];
        for (int i = 0; i < n; i++) {
            seq[i] = i;
        }
        return seq;
    }

    private void setFrames(Image img, int fw, int fh) {
        if (img == null) {
            throw new NullPointerException();
        }
        if (fw < 1 || fh < 1 || img.getWidth() % fw != 0 || img.getHeight() % fh != 0) {
            throw new IllegalArgumentException("the image is not a whole number of frames");
        }
        image = img;
        frameWidth = fw;
        frameHeight = fh;
        rawFrames = (img.getWidth() / fw) * (img.getHeight() / fh);
    }

    // ---------------------------------------------------------------- reference pixel

    private int transformedRefX() {
        return Pixels.mapX(transform, refX, refY, frameWidth, frameHeight);
    }

    private int transformedRefY() {
        return Pixels.mapY(transform, refX, refY, frameWidth, frameHeight);
    }

    public void defineReferencePixel(int x, int y) {
        refX = x;
        refY = y;
    }

    public void setRefPixelPosition(int x, int y) {
        this.x = x - transformedRefX();
        this.y = y - transformedRefY();
    }

    public int getRefPixelX() {
        return x + transformedRefX();
    }

    public int getRefPixelY() {
        return y + transformedRefY();
    }

    // ---------------------------------------------------------------- frames

    public void setFrame(int sequenceIndex) {
        if (sequenceIndex < 0 || sequenceIndex >= sequence.length) {
            throw new IndexOutOfBoundsException("frame " + sequenceIndex);
        }
        this.sequenceIndex = sequenceIndex;
    }

    public final int getFrame() {
        return sequenceIndex;
    }

    public int getRawFrameCount() {
        return rawFrames;
    }

    public int getFrameSequenceLength() {
        return sequence.length;
    }

    public void nextFrame() {
        sequenceIndex = (sequenceIndex + 1) % sequence.length;
    }

    public void prevFrame() {
        sequenceIndex = (sequenceIndex + sequence.length - 1) % sequence.length;
    }

    public void setFrameSequence(int[] sequence) {
        if (sequence == null) {
            this.sequence = defaultSequence(rawFrames);
            customSequence = false;
            sequenceIndex = 0;
            return;
        }
        if (sequence.length < 1) {
            throw new IllegalArgumentException("empty frame sequence");
        }
        for (int i = 0; i < sequence.length; i++) {
            if (sequence[i] < 0 || sequence[i] >= rawFrames) {
                throw new ArrayIndexOutOfBoundsException("raw frame " + sequence[i]);
            }
        }
        this.sequence = sequence.clone();
        customSequence = true;
        sequenceIndex = 0;
    }

    public void setImage(Image img, int frameWidth, int frameHeight) {
        int oldRefX = getRefPixelX();
        int oldRefY = getRefPixelY();
        int oldRaw = rawFrames;
        boolean sizeChanged = frameWidth != this.frameWidth || frameHeight != this.frameHeight;
        setFrames(img, frameWidth, frameHeight);
        if (rawFrames < oldRaw) {
            sequence = defaultSequence(rawFrames);
            customSequence = false;
            sequenceIndex = 0;
        } else if (!customSequence) {
            sequence = defaultSequence(rawFrames);
        }
        if (sizeChanged) {
            collX = 0;
            collY = 0;
            collW = frameWidth;
            collH = frameHeight;
            boolean swap = Pixels.swaps(transform);
            setSize(swap ? frameHeight : frameWidth, swap ? frameWidth : frameHeight);
            setRefPixelPosition(oldRefX, oldRefY);
        }
    }

    // ---------------------------------------------------------------- transform

    public void setTransform(int transform) {
        if (transform < 0 || transform > 7) {
            throw new IllegalArgumentException("bad transform " + transform);
        }
        int oldRefX = getRefPixelX();
        int oldRefY = getRefPixelY();
        this.transform = transform;
        boolean swap = Pixels.swaps(transform);
        setSize(swap ? frameHeight : frameWidth, swap ? frameWidth : frameHeight);
        setRefPixelPosition(oldRefX, oldRefY);
    }

    // ---------------------------------------------------------------- painting

    @Override
    public final void paint(Graphics g) {
        if (g == null) {
            throw new NullPointerException();
        }
        if (!visible) {
            return;
        }
        int f = sequence[sequenceIndex];
        int perRow = image.getWidth() / frameWidth;
        g.drawRegion(image, (f % perRow) * frameWidth, (f / perRow) * frameHeight, frameWidth,
                frameHeight, transform, x, y, Graphics.TOP | Graphics.LEFT);
    }

    // ---------------------------------------------------------------- collisions

    public void defineCollisionRectangle(int x, int y, int width, int height) {
        if (width < 0 || height < 0) {
            throw new IllegalArgumentException("negative collision rectangle size");
        }
        collX = x;
        collY = y;
        collW = width;
        collH = height;
    }

    /** Where this sprite's collision rectangle is, reused by every collision test: a phone
        tests rectangles without making objects, and so does the emulator. */
    private final int[] bounds = new int[4];

    /** The collision rectangle in painter's coordinates {x, y, w, h}, in `out`. */
    int[] collisionBounds(int[] out) {
        if (collW == 0 || collH == 0) {
            out[0] = x;
            out[1] = y;
            out[2] = 0;
            out[3] = 0;
            return out;
        }
        int ax = Pixels.mapX(transform, collX, collY, frameWidth, frameHeight);
        int ay = Pixels.mapY(transform, collX, collY, frameWidth, frameHeight);
        int bx = Pixels.mapX(transform, collX + collW - 1, collY + collH - 1, frameWidth,
                frameHeight);
        int by = Pixels.mapY(transform, collX + collW - 1, collY + collH - 1, frameWidth,
                frameHeight);
        out[0] = x + Math.min(ax, bx);
        out[1] = y + Math.min(ay, by);
        out[2] = Math.abs(bx - ax) + 1;
        out[3] = Math.abs(by - ay) + 1;
        return out;
    }

    /** The current frame as shown (transformed), as ARGB pixels of width x height. */
    int[] shownPixels() {
        int f = sequence[sequenceIndex];
        int perRow = image.getWidth() / frameWidth;
        int[] src = Pixels.argb(image, (f % perRow) * frameWidth, (f / perRow) * frameHeight,
                frameWidth, frameHeight);
        int[] out = new int[src.length];
        for (int sy = 0; sy < frameHeight; sy++) {
            for (int sx = 0; sx < frameWidth; sx++) {
                int dx = Pixels.mapX(transform, sx, sy, frameWidth, frameHeight);
                int dy = Pixels.mapY(transform, sx, sy, frameWidth, frameHeight);
                out[dy * width + dx] = src[sy * frameWidth + sx];
            }
        }
        return out;
    }

    /** Whether the shown pixel at painter's coordinates (px, py) is opaque. */
    private static boolean opaqueAt(int[] pixels, int ox, int oy, int w, int h, int px, int py) {
        int lx = px - ox;
        int ly = py - oy;
        if (lx < 0 || ly < 0 || lx >= w || ly >= h) {
            return false;
        }
        return Pixels.opaque(pixels[ly * w + lx]);
    }

    public final boolean collidesWith(Sprite s, boolean pixelLevel) {
        if (!visible || !s.visible) {
            return false;
        }
        int[] a = collisionBounds(bounds);
        int[] b = s.collisionBounds(s.bounds);
        if (!Pixels.overlap(a, b[0], b[1], b[2], b[3])) {
            return false;
        }
        if (!pixelLevel) {
            return true;
        }
        int[] area = Pixels.intersect(a, b);
        int[] mine = shownPixels();
        int[] theirs = s.shownPixels();
        for (int py = area[1]; py < area[1] + area[3]; py++) {
            for (int px = area[0]; px < area[0] + area[2]; px++) {
                if (opaqueAt(mine, x, y, width, height, px, py)
                        && opaqueAt(theirs, s.x, s.y, s.width, s.height, px, py)) {
                    return true;
                }
            }
        }
        return false;
    }

    public final boolean collidesWith(TiledLayer t, boolean pixelLevel) {
        if (!visible || !t.visible) {
            return false;
        }
        int[] mineBounds = collisionBounds(bounds);
        if (!Pixels.overlap(mineBounds, t.x, t.y, t.width, t.height)) {
            return false;
        }
        int cw = t.getCellWidth();
        int ch = t.getCellHeight();
        int ax = Math.max(mineBounds[0], t.x);
        int ay = Math.max(mineBounds[1], t.y);
        int c0 = (ax - t.x) / cw;
        int c1 = (Math.min(mineBounds[0] + mineBounds[2], t.x + t.width) - 1 - t.x) / cw;
        int r0 = (ay - t.y) / ch;
        int r1 = (Math.min(mineBounds[1] + mineBounds[3], t.y + t.height) - 1 - t.y) / ch;
        if (!pixelLevel) {
            /* Every cell of these rows and columns reaches into the rectangle. */
            for (int r = r0; r <= r1; r++) {
                for (int c = c0; c <= c1; c++) {
                    if (t.resolvedTile(c, r) != 0) {
                        return true;
                    }
                }
            }
            return false;
        }
        int[] area = Pixels.intersect(mineBounds, new int[] {t.x, t.y, t.width, t.height});
        int[] mine = pixelLevel ? shownPixels() : null;
        for (int r = r0; r <= r1; r++) {
            for (int c = c0; c <= c1; c++) {
                int tile = t.resolvedTile(c, r);
                if (tile == 0) {
                    continue;
                }
                int[] cell = Pixels.intersect(area, new int[] {t.x + c * cw, t.y + r * ch, cw, ch});
                if (cell == null) {
                    continue;
                }
                if (!pixelLevel) {
                    return true;
                }
                int[] tilePixels = t.tilePixels(tile);
                int tx = t.x + c * cw;
                int ty = t.y + r * ch;
                for (int py = cell[1]; py < cell[1] + cell[3]; py++) {
                    for (int px = cell[0]; px < cell[0] + cell[2]; px++) {
                        if (opaqueAt(mine, x, y, width, height, px, py)
                                && opaqueAt(tilePixels, tx, ty, cw, ch, px, py)) {
                            return true;
                        }
                    }
                }
            }
        }
        return false;
    }

    public final boolean collidesWith(Image image, int x, int y, boolean pixelLevel) {
        if (image == null) {
            throw new NullPointerException();
        }
        if (!visible) {
            return false;
        }
        int iw = image.getWidth();
        int ih = image.getHeight();
        int[] area = Pixels.intersect(collisionBounds(new int[4]), new int[] {x, y, iw, ih});
        if (area == null) {
            return false;
        }
        if (!pixelLevel) {
            return true;
        }
        int[] mine = shownPixels();
        int[] theirs = Pixels.argb(image, 0, 0, iw, ih);
        for (int py = area[1]; py < area[1] + area[3]; py++) {
            for (int px = area[0]; px < area[0] + area[2]; px++) {
                if (opaqueAt(mine, this.x, this.y, width, height, px, py)
                        && opaqueAt(theirs, x, y, iw, ih, px, py)) {
                    return true;
                }
            }
        }
        return false;
    }
}
