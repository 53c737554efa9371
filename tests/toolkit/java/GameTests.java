import java.util.ArrayList;
import java.util.List;
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.LayerManager;
import javax.microedition.lcdui.game.Sprite;
import javax.microedition.lcdui.game.TiledLayer;

/**
 * Behaviour of the emulator's Sprite, TiledLayer and LayerManager as the MIDP 2.0 documentation
 * describes it: frame sequences, transforms about the reference pixel, collisions at rectangle
 * and pixel level, animated tiles and the view window; and of the Graphics and Image they draw
 * with: anchors, clip and translation, rectangles, pixels. Runs on Java SE with emulator.jar.
 */
public final class GameTests {
    private interface Body {
        void run() throws Exception;
    }

    private static final List<String> names = new ArrayList<>();
    private static final List<Body> bodies = new ArrayList<>();

    private static void test(String name, Body body) {
        names.add(name);
        bodies.add(body);
    }

    static void check(boolean ok, String what) {
        if (!ok) {
            throw new AssertionError(what);
        }
    }

    static void eq(long expected, long actual, String what) {
        if (expected != actual) {
            throw new AssertionError(what + ": expected " + expected + ", got " + actual);
        }
    }

    static void fails(Class<? extends Throwable> type, Body body, String what) {
        try {
            body.run();
        } catch (Throwable t) {
            if (type.isInstance(t)) {
                return;
            }
            throw new AssertionError(what + ": expected " + type.getSimpleName() + ", got " + t);
        }
        throw new AssertionError(what + ": expected " + type.getSimpleName() + ", nothing thrown");
    }

    // ---------------------------------------------------------------- fixtures

    static final int CLEAR = 0x00000000;
    static final int RED = 0xFFFF0000;
    static final int GREEN = 0xFF00FF00;
    static final int BLUE = 0xFF0000FF;
    static final int MARK = 0xFFFFFF00;

    /** An immutable image of w x h pixels of one colour. */
    static Image solid(int w, int h, int argb) {
        int[] px = new int[w * h];
        java.util.Arrays.fill(px, argb);
        return Image.createRGBImage(px, w, h, true);
    }

    /** Frames of w x h side by side, frame i filled with colours[i]. */
    static Image strip(int w, int h, int[] colours) {
        int[] px = new int[w * colours.length * h];
        for (int y = 0; y < h; y++) {
            for (int x = 0; x < w * colours.length; x++) {
                px[y * w * colours.length + x] = colours[x / w];
            }
        }
        return Image.createRGBImage(px, w * colours.length, h, true);
    }

    /** The colour of pixel (x, y) of a mutable image, alpha dropped. */
    static int pixel(Image img, int x, int y) {
        int[] one = new int[1];
        img.getRGB(one, 0, 1, x, y, 1, 1);
        return one[0] & 0xFFFFFF;
    }

    /** Every pixel of a mutable image, alpha dropped. */
    static int[] pixels(Image img) {
        int[] all = new int[img.getWidth() * img.getHeight()];
        img.getRGB(all, 0, img.getWidth(), 0, 0, img.getWidth(), img.getHeight());
        for (int i = 0; i < all.length; i++) {
            all[i] &= 0xFFFFFF;
        }
        return all;
    }

    /** `text` drawn in white on black in `font` within `clip` (x, y, w, h) by `draw`. */
    static Image text(Font font, int[] clip, java.util.function.Consumer<Graphics> draw) {
        Image c = canvas(120, 60);
        Graphics g = c.getGraphics();
        g.setFont(font);
        g.setColor(0xFFFFFF);
        g.setClip(clip[0], clip[1], clip[2], clip[3]);
        draw.accept(g);
        return c;
    }

    static Image canvas(int w, int h) {
        Image img = Image.createImage(w, h);
        Graphics g = img.getGraphics();
        g.setColor(0x000000);
        g.fillRect(0, 0, w, h);
        return img;
    }

    // ---------------------------------------------------------------- frames

    static void frameTests() {
        test("default frame sequence covers the raw frames in order", () -> {
            Sprite s = new Sprite(strip(4, 4, new int[] {RED, GREEN, BLUE}), 4, 4);
            eq(3, s.getRawFrameCount(), "raw frames");
            eq(3, s.getFrameSequenceLength(), "sequence length");
            eq(0, s.getFrame(), "first frame");
            s.nextFrame();
            s.nextFrame();
            eq(2, s.getFrame(), "after two nextFrame");
            s.nextFrame();
            eq(0, s.getFrame(), "nextFrame wraps to 0");
            s.prevFrame();
            eq(2, s.getFrame(), "prevFrame wraps to the end");
        });
        test("frames are cut row by row and painted by sequence", () -> {
            int[] px = new int[8 * 8];
            for (int i = 0; i < px.length; i++) {
                int fx = (i % 8) / 4;
                int fy = (i / 8) / 4;
                px[i] = new int[] {RED, GREEN, BLUE, MARK}[fy * 2 + fx];
            }
            Sprite s = new Sprite(Image.createRGBImage(px, 8, 8, true), 4, 4);
            eq(4, s.getRawFrameCount(), "2 x 2 frames");
            s.setFrameSequence(new int[] {3, 1, 1, 2});
            int[] expected = {MARK, GREEN, GREEN, BLUE};
            for (int i = 0; i < expected.length; i++) {
                Image c = canvas(4, 4);
                s.setFrame(i);
                s.paint(c.getGraphics());
                eq(expected[i] & 0xFFFFFF, pixel(c, 1, 1), "colour of sequence entry " + i);
            }
        });
        test("custom frame sequences: reset, bounds and null", () -> {
            Sprite s = new Sprite(strip(4, 4, new int[] {RED, GREEN, BLUE}), 4, 4);
            s.setFrame(2);
            s.setFrameSequence(new int[] {2, 0});
            eq(0, s.getFrame(), "setting a sequence resets the frame");
            eq(2, s.getFrameSequenceLength(), "custom length");
            fails(IndexOutOfBoundsException.class, () -> s.setFrame(2), "frame past the sequence");
            fails(IndexOutOfBoundsException.class, () -> s.setFrame(-1), "negative frame");
            fails(ArrayIndexOutOfBoundsException.class, () -> s.setFrameSequence(new int[] {0, 3}),
                    "raw frame 3 of 3");
            fails(IllegalArgumentException.class, () -> s.setFrameSequence(new int[0]),
                    "empty sequence");
            s.setFrame(1);
            s.setFrameSequence(null);
            eq(3, s.getFrameSequenceLength(), "null restores the default sequence");
            eq(0, s.getFrame(), "and the first frame");
        });
        test("image and frame size must fit", () -> {
            fails(IllegalArgumentException.class, () -> new Sprite(solid(10, 4, RED), 4, 4),
                    "width not a multiple of the frame width");
            fails(IllegalArgumentException.class, () -> new Sprite(solid(8, 4, RED), 0, 4),
                    "zero frame width");
        });
        test("setImage keeps or resets the sequence by the number of frames", () -> {
            Sprite s = new Sprite(strip(4, 4, new int[] {RED, GREEN, BLUE}), 4, 4);
            s.setFrameSequence(new int[] {2, 1});
            s.setFrame(1);
            s.setImage(strip(4, 4, new int[] {RED, GREEN, BLUE, MARK}), 4, 4);
            eq(2, s.getFrameSequenceLength(), "more frames keep a custom sequence");
            eq(1, s.getFrame(), "and the current frame");
            s.setFrameSequence(null);
            s.setImage(strip(4, 4, new int[] {RED, GREEN, BLUE, MARK, RED}), 4, 4);
            eq(5, s.getFrameSequenceLength(), "the default sequence follows the new frames");
            s.setFrame(4);
            s.setImage(strip(4, 4, new int[] {RED, GREEN}), 4, 4);
            eq(2, s.getFrameSequenceLength(), "fewer frames: default sequence");
            eq(0, s.getFrame(), "fewer frames: frame 0");
        });
    }

    // ---------------------------------------------------------------- transforms

    /**
     * {transform, x, y, width, height} for a 20 x 10 frame, ref pixel (4, 2) placed at (100, 50).
     */
    static final int[][] TRANSFORMS = {
        {Sprite.TRANS_NONE, 96, 48, 20, 10},
        {Sprite.TRANS_MIRROR, 85, 48, 20, 10},
        {Sprite.TRANS_MIRROR_ROT180, 96, 43, 20, 10},
        {Sprite.TRANS_ROT180, 85, 43, 20, 10},
        {Sprite.TRANS_ROT90, 93, 46, 10, 20},
        {Sprite.TRANS_ROT270, 98, 35, 10, 20},
        {Sprite.TRANS_MIRROR_ROT90, 93, 35, 10, 20},
        {Sprite.TRANS_MIRROR_ROT270, 98, 46, 10, 20},
    };

    /** A 20 x 10 frame: blue, the reference pixel (4, 2) yellow, pixel (0, 0) red. */
    static Image markedFrame() {
        int[] px = new int[20 * 10];
        java.util.Arrays.fill(px, BLUE);
        px[2 * 20 + 4] = MARK;
        px[0] = RED;
        return Image.createRGBImage(px, 20, 10, true);
    }

    static final int A = 0xFF000001;
    static final int B = 0xFF000002;
    static final int C = 0xFF000003;
    static final int D = 0xFF000004;
    static final int E = 0xFF000005;
    static final int F = 0xFF000006;

    /** The picture of the frame {a b c / d e f} under each transform, row by row. */
    static final Object[][] PICTURES = {
        {Sprite.TRANS_NONE, new int[][] {{A, B, C}, {D, E, F}}},
        {Sprite.TRANS_MIRROR, new int[][] {{C, B, A}, {F, E, D}}},
        {Sprite.TRANS_ROT180, new int[][] {{F, E, D}, {C, B, A}}},
        {Sprite.TRANS_MIRROR_ROT180, new int[][] {{D, E, F}, {A, B, C}}},
        {Sprite.TRANS_ROT90, new int[][] {{D, A}, {E, B}, {F, C}}},
        {Sprite.TRANS_ROT270, new int[][] {{C, F}, {B, E}, {A, D}}},
        {Sprite.TRANS_MIRROR_ROT90, new int[][] {{F, C}, {E, B}, {D, A}}},
        {Sprite.TRANS_MIRROR_ROT270, new int[][] {{A, D}, {B, E}, {C, F}}},
    };

    static void transformTests() {
        test("transforms keep the reference pixel in place", () -> {
            for (int[] t : TRANSFORMS) {
                Sprite s = new Sprite(markedFrame(), 20, 10);
                s.defineReferencePixel(4, 2);
                s.setRefPixelPosition(100, 50);
                s.setTransform(t[0]);
                String w = "transform " + t[0];
                eq(t[1], s.getX(), w + " x");
                eq(t[2], s.getY(), w + " y");
                eq(t[3], s.getWidth(), w + " width");
                eq(t[4], s.getHeight(), w + " height");
                eq(100, s.getRefPixelX(), w + " ref x");
                eq(50, s.getRefPixelY(), w + " ref y");
                Image c = canvas(200, 100);
                s.paint(c.getGraphics());
                eq(MARK & 0xFFFFFF, pixel(c, 100, 50),
                        w + ": the ref pixel is painted at (100, 50)");
            }
        });
        test("each transform paints the frame as documented", () -> {
            Image frame = Image.createRGBImage(new int[] {A, B, C, D, E, F}, 3, 2, true);
            for (Object[] p : PICTURES) {
                int t = (Integer) p[0];
                int[][] rows = (int[][]) p[1];
                Sprite s = new Sprite(frame);
                s.setTransform(t);
                s.setPosition(1, 1);
                eq(rows[0].length, s.getWidth(), "transform " + t + " width");
                eq(rows.length, s.getHeight(), "transform " + t + " height");
                Image c = canvas(5, 5);
                s.paint(c.getGraphics());
                for (int y = 0; y < rows.length; y++) {
                    for (int x = 0; x < rows[y].length; x++) {
                        eq(rows[y][x] & 0xFFFFFF, pixel(c, 1 + x, 1 + y),
                                "transform " + t + " pixel (" + x + ", " + y + ")");
                    }
                }
                eq(0, pixel(c, 1 + rows[0].length, 1), "transform " + t + ": nothing beside");
            }
        });
        test("rotation by 90 degrees turns clockwise", () -> {
            Sprite s = new Sprite(markedFrame(), 20, 10);
            s.setTransform(Sprite.TRANS_ROT90);
            s.setPosition(0, 0);
            Image c = canvas(20, 20);
            s.paint(c.getGraphics());
            eq(RED & 0xFFFFFF, pixel(c, 9, 0), "the top-left pixel goes to the top-right");
        });
        test("transforms compose from the untransformed frame, not cumulatively", () -> {
            Sprite s = new Sprite(markedFrame(), 20, 10);
            s.defineReferencePixel(4, 2);
            s.setRefPixelPosition(100, 50);
            s.setTransform(Sprite.TRANS_ROT90);
            s.setTransform(Sprite.TRANS_ROT90);
            eq(93, s.getX(), "same x as one rotation");
            s.setTransform(Sprite.TRANS_NONE);
            eq(96, s.getX(), "back to the start x");
            eq(48, s.getY(), "back to the start y");
            fails(IllegalArgumentException.class, () -> s.setTransform(8), "transform 8");
        });
        test("defineReferencePixel does not move the sprite", () -> {
            Sprite s = new Sprite(markedFrame(), 20, 10);
            s.setPosition(7, 9);
            s.defineReferencePixel(5, 5);
            eq(7, s.getX(), "x");
            eq(9, s.getY(), "y");
            eq(12, s.getRefPixelX(), "ref x follows");
            eq(14, s.getRefPixelY(), "ref y follows");
        });
        test("setImage with a new frame size keeps the reference pixel and resets collisions",
                () -> {
            Sprite s = new Sprite(markedFrame(), 20, 10);
            s.defineReferencePixel(4, 2);
            s.setRefPixelPosition(100, 50);
            s.setTransform(Sprite.TRANS_MIRROR);
            s.defineCollisionRectangle(0, 0, 1, 1);
            s.setImage(solid(30, 30, GREEN), 30, 30);
            eq(100, s.getRefPixelX(), "ref x kept");
            eq(50, s.getRefPixelY(), "ref y kept");
            eq(100 - (30 - 1 - 4), s.getX(), "x moved so the mirrored ref pixel stays");
            Sprite other = new Sprite(solid(2, 2, RED));
            other.setPosition(s.getX() + 28, s.getY() + 28);
            check(s.collidesWith(other, false), "collision rectangle is the whole new frame");
        });
    }

    // ---------------------------------------------------------------- collisions

    /** An 8 x 8 frame whose left half is opaque red and right half transparent. */
    static Image halfFrame() {
        int[] px = new int[64];
        for (int i = 0; i < 64; i++) {
            px[i] = (i % 8) < 4 ? RED : CLEAR;
        }
        return Image.createRGBImage(px, 8, 8, true);
    }

    static void collisionTests() {
        test("rectangle collisions use the bounds and visibility", () -> {
            Sprite a = new Sprite(solid(8, 8, RED));
            Sprite b = new Sprite(solid(8, 8, GREEN));
            b.setPosition(7, 7);
            check(a.collidesWith(b, false), "overlap of one pixel");
            b.setPosition(8, 0);
            check(!a.collidesWith(b, false), "touching edges do not collide");
            b.setPosition(4, 4);
            b.setVisible(false);
            check(!a.collidesWith(b, false), "an invisible sprite never collides");
            b.setVisible(true);
            a.setVisible(false);
            check(!a.collidesWith(b, false), "nor does an invisible caller");
        });
        test("the collision rectangle follows the transform", () -> {
            Sprite a = new Sprite(solid(8, 8, RED));
            a.defineCollisionRectangle(0, 0, 2, 8);
            Sprite probe = new Sprite(solid(1, 1, GREEN));
            probe.setPosition(6, 3);
            check(!a.collidesWith(probe, false), "probe outside the left strip");
            a.setTransform(Sprite.TRANS_MIRROR);
            eq(-7, a.getX(), "mirroring about the reference pixel (0, 0) moves the sprite");
            a.setPosition(0, 0);
            check(a.collidesWith(probe, false), "mirrored strip is on the right");
            probe.setPosition(3, 0);
            a.setTransform(Sprite.TRANS_ROT90);
            a.setPosition(0, 0);
            check(a.collidesWith(probe, false), "rotated strip lies along the top");
            probe.setPosition(3, 6);
            check(!a.collidesWith(probe, false), "and not along the bottom");
        });
        test("pixel-level collisions need opaque pixels on both sides", () -> {
            Sprite a = new Sprite(halfFrame());
            Sprite b = new Sprite(halfFrame());
            b.setPosition(4, 0);
            check(a.collidesWith(b, false), "bounds overlap");
            check(!a.collidesWith(b, true), "a's transparent half meets b's opaque half");
            b.setPosition(3, 0);
            check(a.collidesWith(b, true), "one opaque column overlaps");
            a.setTransform(Sprite.TRANS_MIRROR);
            a.setPosition(0, 0);
            b.setPosition(0, 0);
            check(a.collidesWith(b, false), "bounds still overlap");
            check(!a.collidesWith(b, true), "mirrored: opaque halves side by side");
        });
        test("pixel-level collisions stay inside the collision rectangles", () -> {
            Sprite a = new Sprite(solid(8, 8, RED));
            Sprite b = new Sprite(solid(8, 8, RED));
            a.defineCollisionRectangle(0, 0, 4, 8);
            b.setPosition(5, 0);
            check(!a.collidesWith(b, true), "opaque overlap outside a's rectangle");
        });
        test("collisions with a tiled layer count only non-empty cells", () -> {
            TiledLayer t = new TiledLayer(4, 1, strip(8, 8, new int[] {RED, CLEAR}), 8, 8);
            t.setCell(1, 0, 1);
            t.setCell(2, 0, 2);
            Sprite s = new Sprite(solid(4, 4, GREEN));
            s.setPosition(2, 2);
            check(!s.collidesWith(t, false), "over an empty cell");
            s.setPosition(10, 2);
            check(s.collidesWith(t, true), "over an opaque tile");
            s.setPosition(18, 2);
            check(s.collidesWith(t, false), "over a transparent tile: the cell counts");
            check(!s.collidesWith(t, true), "but not at pixel level");
            int anim = t.createAnimatedTile(1);
            t.setCell(0, 0, anim);
            s.setPosition(2, 2);
            check(s.collidesWith(t, true), "an animated tile showing an opaque tile");
            t.setAnimatedTile(anim, 0);
            check(!s.collidesWith(t, false), "an animated tile showing nothing");
        });
        test("collisions with an image", () -> {
            Sprite s = new Sprite(halfFrame());
            check(s.collidesWith(solid(4, 4, RED), 6, 2, false), "bounds overlap");
            check(!s.collidesWith(solid(4, 4, RED), 6, 2, true), "over the transparent half");
            check(s.collidesWith(solid(4, 4, RED), 2, 2, true), "over the opaque half");
            check(!s.collidesWith(solid(4, 4, CLEAR), 2, 2, true), "a transparent image");
        });
    }

    // ---------------------------------------------------------------- tiled layers and views

    static void tiledTests() {
        test("tiled layer cells, animated tiles and painting", () -> {
            TiledLayer t = new TiledLayer(3, 2, strip(4, 4, new int[] {RED, GREEN, BLUE}), 4, 4);
            eq(12, t.getWidth(), "width");
            eq(8, t.getHeight(), "height");
            eq(0, t.getCell(0, 0), "cells start empty");
            t.fillCells(0, 0, 3, 2, 2);
            t.setCell(2, 1, 3);
            int anim = t.createAnimatedTile(1);
            eq(-1, anim, "first animated tile is -1");
            eq(-2, t.createAnimatedTile(0), "second is -2");
            t.setCell(0, 1, anim);
            t.setCell(1, 1, 0);
            t.setPosition(10, 20);
            Image c = canvas(40, 40);
            t.paint(c.getGraphics());
            eq(GREEN & 0xFFFFFF, pixel(c, 11, 21), "cell (0,0) shows tile 2");
            eq(RED & 0xFFFFFF, pixel(c, 11, 25), "cell (0,1) shows the animated tile's tile 1");
            eq(0, pixel(c, 15, 25), "cell (1,1) is empty");
            eq(BLUE & 0xFFFFFF, pixel(c, 21, 27), "cell (2,1) shows tile 3");
            eq(0, pixel(c, 9, 20), "nothing left of the layer");
            t.setAnimatedTile(anim, 3);
            eq(3, t.getAnimatedTile(anim), "animated tile changed");
            t.paint(c.getGraphics());
            eq(BLUE & 0xFFFFFF, pixel(c, 11, 25), "the animated cell follows");
        });
        test("tiled layer argument checks", () -> {
            TiledLayer t = new TiledLayer(3, 2, strip(4, 4, new int[] {RED, GREEN}), 4, 4);
            fails(IndexOutOfBoundsException.class, () -> t.setCell(3, 0, 1), "column 3 of 3");
            fails(IndexOutOfBoundsException.class, () -> t.setCell(0, 0, 3), "tile 3 of 2");
            fails(IndexOutOfBoundsException.class, () -> t.setCell(0, 0, -1),
                    "animated tile that does not exist");
            fails(IndexOutOfBoundsException.class, () -> t.fillCells(2, 0, 2, 1, 1),
                    "fill past the right edge");
            fails(IllegalArgumentException.class, () -> t.fillCells(0, 0, -1, 1, 1),
                    "negative fill width");
            fails(IndexOutOfBoundsException.class, () -> t.createAnimatedTile(3),
                    "animated tile of static tile 3");
            fails(IllegalArgumentException.class,
                    () -> new TiledLayer(0, 1, solid(4, 4, RED), 4, 4), "zero columns");
        });
        test("a smaller static tile set clears the map", () -> {
            TiledLayer t = new TiledLayer(2, 2, strip(4, 4, new int[] {RED, GREEN}), 4, 4);
            t.setCell(1, 1, 2);
            t.createAnimatedTile(1);
            t.setStaticTileSet(strip(4, 4, new int[] {RED, GREEN, BLUE}), 4, 4);
            eq(2, t.getCell(1, 1), "more tiles keep the cells");
            eq(1, t.getAnimatedTile(-1), "and the animated tiles");
            t.setStaticTileSet(solid(8, 8, RED), 8, 8);
            eq(0, t.getCell(1, 1), "fewer tiles clear the cells");
            fails(IndexOutOfBoundsException.class, () -> t.getAnimatedTile(-1),
                    "and the animated tiles");
            eq(16, t.getWidth(), "the layer grows with the cell size");
        });
        test("layer manager order: index 0 is drawn on top", () -> {
            Sprite top = new Sprite(solid(4, 4, RED));
            Sprite bottom = new Sprite(solid(8, 8, GREEN));
            LayerManager lm = new LayerManager();
            lm.append(top);
            lm.append(bottom);
            Image c = canvas(10, 10);
            lm.paint(c.getGraphics(), 0, 0);
            eq(RED & 0xFFFFFF, pixel(c, 1, 1), "the first layer covers the second");
            eq(GREEN & 0xFFFFFF, pixel(c, 6, 6), "the second shows around it");
            lm.insert(bottom, 0);
            eq(2, lm.getSize(), "insert of a present layer moves it");
            check(lm.getLayerAt(0) == bottom, "now first");
            lm.paint(c.getGraphics(), 0, 0);
            eq(GREEN & 0xFFFFFF, pixel(c, 1, 1), "and drawn on top");
            lm.remove(top);
            eq(1, lm.getSize(), "removed");
            fails(IndexOutOfBoundsException.class, () -> lm.insert(top, 2), "index past the end");
        });
        test("the view window picks and places the visible part", () -> {
            Sprite s = new Sprite(solid(4, 4, RED));
            s.setPosition(105, 205);
            Sprite far = new Sprite(solid(4, 4, BLUE));
            far.setPosition(130, 205);
            LayerManager lm = new LayerManager();
            lm.append(s);
            lm.append(far);
            lm.setViewWindow(100, 200, 20, 20);
            Image c = canvas(60, 60);
            Graphics g = c.getGraphics();
            g.translate(3, 4);
            g.setClip(0, 0, 50, 50);
            lm.paint(g, 10, 10);
            eq(RED & 0xFFFFFF, pixel(c, 3 + 10 + 5, 4 + 10 + 5), "world (105,205) at (x+5, y+5)");
            eq(0, pixel(c, 3 + 10 + 30, 4 + 10 + 5), "a layer outside the view is clipped");
            eq(3, g.getTranslateX(), "translation restored");
            eq(4, g.getTranslateY(), "translation restored");
            eq(0, g.getClipX(), "clip restored");
            eq(50, g.getClipWidth(), "clip restored");
            fails(IllegalArgumentException.class, () -> lm.setViewWindow(0, 0, -1, 5),
                    "negative view width");
        });
    }

    // ---------------------------------------------------------------- graphics and images

    /** {anchor, x, y of the top-left corner} for a 4 x 2 image drawn at (10, 10). */
    static final int[][] IMAGE_ANCHORS = {
        {0, 10, 10},
        {Graphics.LEFT | Graphics.TOP, 10, 10},
        {Graphics.HCENTER | Graphics.TOP, 8, 10},
        {Graphics.RIGHT | Graphics.TOP, 6, 10},
        {Graphics.LEFT | Graphics.VCENTER, 10, 9},
        {Graphics.HCENTER | Graphics.VCENTER, 8, 9},
        {Graphics.RIGHT | Graphics.BOTTOM, 6, 8},
    };

    static void graphicsTests() {
        test("texts: anchors place the string's box, every draw method draws alike, the "
                + "underline spans the width, the clip bounds the pixels", () -> {
            Font f = Font.getFont(Font.FACE_SYSTEM, Font.STYLE_BOLD | Font.STYLE_UNDERLINED,
                    Font.SIZE_MEDIUM);
            String s = "\u0416\u0443\u043a Wq";
            int w = f.stringWidth(s);
            int h = f.getHeight();
            int[] all = {0, 0, 120, 60};
            int[] at = pixels(text(f, all, g -> g.drawString(s, 10, 5, 0)));
            eq(w, f.charsWidth(s.toCharArray(), 0, s.length()), "charsWidth is stringWidth");
            int[][] anchors = {
                {Graphics.TOP | Graphics.LEFT, 10, 5},
                {Graphics.TOP | Graphics.HCENTER, 10 + w / 2, 5},
                {Graphics.TOP | Graphics.RIGHT, 10 + w, 5},
                {Graphics.BASELINE | Graphics.LEFT, 10, 5 + f.getBaselinePosition()},
                {Graphics.BOTTOM | Graphics.RIGHT, 10 + w, 5 + h},
            };
            for (int[] a : anchors) {
                eq(1, java.util.Arrays.equals(at, pixels(text(f, all,
                        g -> g.drawString(s, a[1], a[2], a[0])))) ? 1 : 0, "anchor " + a[0]);
            }
            eq(1, java.util.Arrays.equals(at, pixels(text(f, all, g -> g.drawChars(
                    ("xx" + s).toCharArray(), 2, s.length(), 10, 5, 0)))) ? 1 : 0, "drawChars");
            eq(1, java.util.Arrays.equals(at, pixels(text(f, all,
                    g -> g.drawSubstring(s + "yy", 0, s.length(), 10, 5, 0)))) ? 1 : 0,
                    "drawSubstring");
            Image c = text(f, all, g -> g.drawChar('\u0416', 10, 5, 0));
            eq(1, java.util.Arrays.equals(pixels(c), pixels(text(f, all,
                    g -> g.drawString("\u0416", 10, 5, 0)))) ? 1 : 0, "drawChar");
            int row = 5 + f.getBaselinePosition() + 1;
            Image drawn = text(f, all, g -> g.drawString(s, 10, 5, 0));
            for (int x = 10; x < 10 + w; x++) {
                eq(0xFFFFFF, pixel(drawn, x, row), "underline at " + x);
            }
            eq(0, pixel(drawn, 9, row), "nothing before the underline");
            eq(0, pixel(drawn, 10 + w, row), "nothing after the underline");
            int[] clip = {14, 8, 20, 6};
            int[] clipped = pixels(text(f, clip, g -> g.drawString(s, 10, 5, 0)));
            for (int y = 0; y < 60; y++) {
                for (int x = 0; x < 120; x++) {
                    boolean in = x >= 14 && x < 34 && y >= 8 && y < 14;
                    eq(in ? at[y * 120 + x] : 0, clipped[y * 120 + x], "clip at " + x + "," + y);
                }
            }
        });
        test("drawImage places the image by its anchor", () -> {
            for (int[] a : IMAGE_ANCHORS) {
                Image c = canvas(20, 20);
                c.getGraphics().drawImage(solid(4, 2, RED), 10, 10, a[0]);
                String w = "anchor " + a[0];
                eq(RED & 0xFFFFFF, pixel(c, a[1], a[2]), w + ": top-left corner");
                eq(RED & 0xFFFFFF, pixel(c, a[1] + 3, a[2] + 1), w + ": bottom-right corner");
                eq(0, pixel(c, a[1] - 1, a[2]), w + ": nothing left of it");
                eq(0, pixel(c, a[1], a[2] + 2), w + ": nothing below it");
            }
        });
        test("bad anchors are refused", () -> {
            Graphics g = canvas(4, 4).getGraphics();
            Image img = solid(1, 1, RED);
            fails(IllegalArgumentException.class,
                    () -> g.drawImage(img, 0, 0, Graphics.LEFT | Graphics.BASELINE),
                    "images have no baseline");
            fails(IllegalArgumentException.class,
                    () -> g.drawImage(img, 0, 0, Graphics.LEFT | Graphics.RIGHT | Graphics.TOP),
                    "two horizontal anchors");
            fails(IllegalArgumentException.class, () -> g.drawImage(img, 0, 0, Graphics.LEFT),
                    "no vertical anchor");
            fails(IllegalArgumentException.class,
                    () -> g.drawString("x", 0, 0, Graphics.LEFT | Graphics.VCENTER),
                    "text has no vertical centre");
        });
        test("translation moves drawing and the clip's coordinates", () -> {
            Image c = canvas(20, 20);
            Graphics g = c.getGraphics();
            g.setClip(2, 2, 6, 6);
            g.translate(2, 2);
            eq(0, g.getClipX(), "clip x in translated coordinates");
            eq(6, g.getClipWidth(), "clip width");
            g.setColor(0x00FF00);
            g.fillRect(-5, -5, 30, 30);
            eq(0x00FF00, pixel(c, 2, 2), "inside the clip");
            eq(0x00FF00, pixel(c, 7, 7), "last pixel of the clip");
            eq(0, pixel(c, 8, 8), "outside the clip");
            eq(0, pixel(c, 1, 5), "outside the clip");
            g.clipRect(1, 1, 100, 100);
            eq(1, g.getClipX(), "clipRect intersects");
            eq(5, g.getClipWidth(), "clipRect intersects");
        });
        test("drawRect covers width + 1 by height + 1 pixels", () -> {
            Image c = canvas(10, 10);
            Graphics g = c.getGraphics();
            g.setColor(0xFFFFFF);
            g.drawRect(1, 1, 3, 2);
            eq(0xFFFFFF, pixel(c, 4, 3), "bottom-right corner");
            eq(0, pixel(c, 5, 3), "beyond the right edge");
            eq(0, pixel(c, 2, 2), "the inside stays empty");
            g.fillRect(6, 6, 2, 2);
            eq(0xFFFFFF, pixel(c, 7, 7), "fillRect's last pixel");
            eq(0, pixel(c, 8, 8), "fillRect covers width by height");
        });
        test("image pixels: mutable images start white, RGB images keep or drop alpha", () -> {
            int[] one = new int[1];
            Image.createImage(3, 3).getRGB(one, 0, 1, 2, 2, 1, 1);
            eq(0xFFFFFFFF, one[0], "a new mutable image is opaque white");
            Image.createRGBImage(new int[] {0x10203040}, 1, 1, false).getRGB(one, 0, 1, 0, 0, 1, 1);
            eq(0xFF203040, one[0], "without alpha processing pixels are opaque");
            Image.createRGBImage(new int[] {0x10203040}, 1, 1, true).getRGB(one, 0, 1, 0, 0, 1, 1);
            eq(0x10203040, one[0], "with alpha processing alpha is kept");
            fails(IllegalArgumentException.class,
                    () -> Image.createImage(3, 3).getRGB(new int[9], 0, 3, 1, 1, 3, 3),
                    "region outside the image");
            fails(IllegalStateException.class, () -> solid(2, 2, RED).getGraphics(),
                    "an immutable image has no Graphics");
        });
    }

    public static void main(String[] args) {
        frameTests();
        transformTests();
        collisionTests();
        tiledTests();
        graphicsTests();
        int failed = 0;
        for (int i = 0; i < names.size(); i++) {
            try {
                bodies.get(i).run();
                System.out.println("ok   " + names.get(i));
            } catch (Throwable t) {
                failed++;
                System.out.println("FAIL " + names.get(i) + ": " + t);
            }
        }
        System.out.println(names.size() - failed + " of " + names.size() + " passed");
        System.exit(failed == 0 ? 0 : 1);
    }
}
