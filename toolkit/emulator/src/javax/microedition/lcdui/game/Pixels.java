package javax.microedition.lcdui.game;

import javax.microedition.lcdui.Image;

/** Pixel helpers for the eight transforms and for collision tests. */
final class Pixels {
    private Pixels() {}

    /** Whether a transform swaps width and height. */
    static boolean swaps(int transform) {
        return transform >= 4;
    }

    /** X of the source pixel (sx, sy) of a w x h region after the transform. */
    static int mapX(int transform, int sx, int sy, int w, int h) {
        switch (transform) {
            case Sprite.TRANS_NONE: case Sprite.TRANS_MIRROR_ROT180: return sx;
            case Sprite.TRANS_MIRROR: case Sprite.TRANS_ROT180: return w - 1 - sx;
            case Sprite.TRANS_MIRROR_ROT270: case Sprite.TRANS_ROT270: return sy;
            default: return h - 1 - sy; // ROT90, MIRROR_ROT90
        }
    }

    /** Y of the source pixel (sx, sy) of a w x h region after the transform. */
    static int mapY(int transform, int sx, int sy, int w, int h) {
        switch (transform) {
            case Sprite.TRANS_NONE: case Sprite.TRANS_MIRROR: return sy;
            case Sprite.TRANS_MIRROR_ROT180: case Sprite.TRANS_ROT180: return h - 1 - sy;
            case Sprite.TRANS_MIRROR_ROT270: case Sprite.TRANS_ROT90: return sx;
            default: return w - 1 - sx; // ROT270, MIRROR_ROT90
        }
    }

    /** The transform that undoes a transform. */
    static int inverse(int transform) {
        if (transform == Sprite.TRANS_ROT90) {
            return Sprite.TRANS_ROT270;
        }
        if (transform == Sprite.TRANS_ROT270) {
            return Sprite.TRANS_ROT90;
        }
        return transform;
    }

    static int[] argb(Image img, int x, int y, int w, int h) {
        int[] out = new int[w * h];
        img.getRGB(out, 0, w, x, y, w, h);
        return out;
    }

    static boolean opaque(int argb) {
        return (argb >>> 24) == 0xFF;
    }

    /** Intersection of two rectangles {x, y, w, h}; null when empty. */
    /** Whether the rectangle a {x, y, w, h} and the rectangle (x, y, w, h) overlap. */
    static boolean overlap(int[] a, int x, int y, int w, int h) {
        return Math.min(a[0] + a[2], x + w) > Math.max(a[0], x)
                && Math.min(a[1] + a[3], y + h) > Math.max(a[1], y);
    }

    static int[] intersect(int[] a, int[] b) {
        int x1 = Math.max(a[0], b[0]);
        int y1 = Math.max(a[1], b[1]);
        int x2 = Math.min(a[0] + a[2], b[0] + b[2]);
        int y2 = Math.min(a[1] + a[3], b[1] + b[3]);
        if (x2 <= x1 || y2 <= y1) {
            return null;
        }
        return new int[] {x1, y1, x2 - x1, y2 - y1};
    }
}
