package javax.microedition.lcdui.game;

import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;

/** A grid of cells, each showing a tile of one image, an animated tile or nothing. */
public class TiledLayer extends Layer {
    private Image image;
    private int tileWidth;
    private int tileHeight;
    private int staticTiles;
    private final int columns;
    private final int rows;
    private int[] cells;
    private int[] animated = new int[4];
    private int animatedCount;

    public TiledLayer(int columns, int rows, Image image, int tileWidth, int tileHeight) {
        super(checkPositive(columns) * checkPositive(tileWidth),
                checkPositive(rows) * checkPositive(tileHeight));
        this.columns = columns;
        this.rows = rows;
        setTiles(image, tileWidth, tileHeight);
        cells = new int[columns * rows];
    }

    private static int checkPositive(int v) {
        if (v < 1) {
            throw new IllegalArgumentException("size must be positive");
        }
        return v;
    }

    private void setTiles(Image img, int tw, int th) {
        if (img == null) {
            throw new NullPointerException();
        }
        if (tw < 1 || th < 1 || img.getWidth() % tw != 0 || img.getHeight() % th != 0) {
            throw new IllegalArgumentException("the image is not a whole number of tiles");
        }
        image = img;
        tileWidth = tw;
        tileHeight = th;
        staticTiles = (img.getWidth() / tw) * (img.getHeight() / th);
    }

    public int createAnimatedTile(int staticTileIndex) {
        if (staticTileIndex < 0 || staticTileIndex > staticTiles) {
            throw new IndexOutOfBoundsException("static tile " + staticTileIndex);
        }
        if (animatedCount == animated.length) {
            int[] bigger = new int[animated.length * 2];
            System.arraycopy(animated, 0, bigger, 0, animatedCount);
            animated = bigger;
        }
        animated[animatedCount++] = staticTileIndex;
        return -animatedCount;
    }

    public void setAnimatedTile(int animatedTileIndex, int staticTileIndex) {
        if (staticTileIndex < 0 || staticTileIndex > staticTiles) {
            throw new IndexOutOfBoundsException("static tile " + staticTileIndex);
        }
        animated[animatedSlot(animatedTileIndex)] = staticTileIndex;
    }

    public int getAnimatedTile(int animatedTileIndex) {
        return animated[animatedSlot(animatedTileIndex)];
    }

    private int animatedSlot(int index) {
        if (index >= 0 || -index > animatedCount) {
            throw new IndexOutOfBoundsException("animated tile " + index);
        }
        return -index - 1;
    }

    private void checkCell(int col, int row) {
        if (col < 0 || col >= columns || row < 0 || row >= rows) {
            throw new IndexOutOfBoundsException("cell " + col + ", " + row);
        }
    }

    private void checkTile(int tileIndex) {
        if (tileIndex > staticTiles || tileIndex < -animatedCount) {
            throw new IndexOutOfBoundsException("tile " + tileIndex);
        }
    }

    public void setCell(int col, int row, int tileIndex) {
        checkCell(col, row);
        checkTile(tileIndex);
        cells[row * columns + col] = tileIndex;
    }

    public int getCell(int col, int row) {
        checkCell(col, row);
        return cells[row * columns + col];
    }

    public void fillCells(int col, int row, int numCols, int numRows, int tileIndex) {
        if (numCols < 0 || numRows < 0) {
            throw new IllegalArgumentException("negative fill size");
        }
        if (col < 0 || row < 0 || col + numCols > columns || row + numRows > rows) {
            throw new IndexOutOfBoundsException("fill region outside the layer");
        }
        checkTile(tileIndex);
        for (int r = row; r < row + numRows; r++) {
            for (int c = col; c < col + numCols; c++) {
                cells[r * columns + c] = tileIndex;
            }
        }
    }

    public final int getCellWidth() {
        return tileWidth;
    }

    public final int getCellHeight() {
        return tileHeight;
    }

    public final int getColumns() {
        return columns;
    }

    public final int getRows() {
        return rows;
    }

    public void setStaticTileSet(Image image, int tileWidth, int tileHeight) {
        int oldCount = staticTiles;
        setTiles(image, tileWidth, tileHeight);
        setSize(columns * tileWidth, rows * tileHeight);
        if (staticTiles < oldCount) {
            cells = new int[columns * rows];
            animated = new int[4];
            animatedCount = 0;
        }
    }

    /** The static tile a cell shows (animated tiles resolved); 0 for none. */
    int resolvedTile(int col, int row) {
        int t = cells[row * columns + col];
        return t < 0 ? animated[-t - 1] : t;
    }

    int[] tilePixels(int tile) {
        int perRow = image.getWidth() / tileWidth;
        return Pixels.argb(image, ((tile - 1) % perRow) * tileWidth,
                ((tile - 1) / perRow) * tileHeight, tileWidth, tileHeight);
    }

    @Override
    public final void paint(Graphics g) {
        if (g == null) {
            throw new NullPointerException();
        }
        if (!visible) {
            return;
        }
        int clipX = g.getClipX();
        int clipY = g.getClipY();
        int c0 = Math.max(0, floorDiv(clipX - x, tileWidth));
        int c1 = Math.min(columns - 1, floorDiv(clipX + g.getClipWidth() - 1 - x, tileWidth));
        int r0 = Math.max(0, floorDiv(clipY - y, tileHeight));
        int r1 = Math.min(rows - 1, floorDiv(clipY + g.getClipHeight() - 1 - y, tileHeight));
        int perRow = image.getWidth() / tileWidth;
        for (int r = r0; r <= r1; r++) {
            for (int c = c0; c <= c1; c++) {
                int t = resolvedTile(c, r);
                if (t == 0) {
                    continue;
                }
                g.drawRegion(image, ((t - 1) % perRow) * tileWidth, ((t - 1) / perRow) * tileHeight,
                        tileWidth, tileHeight, Sprite.TRANS_NONE, x + c * tileWidth,
                        y + r * tileHeight, Graphics.TOP | Graphics.LEFT);
            }
        }
    }

    private static int floorDiv(int a, int b) {
        int q = a / b;
        return (a % b != 0 && (a < 0)) ? q - 1 : q;
    }
}
