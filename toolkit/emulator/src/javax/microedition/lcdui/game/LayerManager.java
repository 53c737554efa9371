package javax.microedition.lcdui.game;

import javax.microedition.lcdui.Graphics;

/** An ordered list of layers (index 0 nearest the viewer) drawn through a view window. */
public class LayerManager {
    private Layer[] layers = new Layer[4];
    private int count;
    private int viewX;
    private int viewY;
    private int viewWidth = Integer.MAX_VALUE;
    private int viewHeight = Integer.MAX_VALUE;

    public LayerManager() {}

    private int indexOf(Layer l) {
        for (int i = 0; i < count; i++) {
            if (layers[i] == l) {
                return i;
            }
        }
        return -1;
    }

    private void removeAt(int i) {
        System.arraycopy(layers, i + 1, layers, i, count - i - 1);
        layers[--count] = null;
    }

    private void insertAt(Layer l, int i) {
        if (count == layers.length) {
            Layer[] bigger = new Layer[layers.length * 2];
            System.arraycopy(layers, 0, bigger, 0, count);
            layers = bigger;
        }
        System.arraycopy(layers, i, layers, i + 1, count - i);
        layers[i] = l;
        count++;
    }

    public void append(Layer l) {
        if (l == null) {
            throw new NullPointerException();
        }
        int i = indexOf(l);
        if (i >= 0) {
            removeAt(i);
        }
        insertAt(l, count);
    }

    public void insert(Layer l, int index) {
        if (l == null) {
            throw new NullPointerException();
        }
        int i = indexOf(l);
        int limit = i >= 0 ? count - 1 : count;
        if (index < 0 || index > limit) {
            throw new IndexOutOfBoundsException("index " + index);
        }
        if (i >= 0) {
            removeAt(i);
        }
        insertAt(l, index);
    }

    public Layer getLayerAt(int index) {
        if (index < 0 || index >= count) {
            throw new IndexOutOfBoundsException("index " + index);
        }
        return layers[index];
    }

    public int getSize() {
        return count;
    }

    public void remove(Layer l) {
        if (l == null) {
            throw new NullPointerException();
        }
        int i = indexOf(l);
        if (i >= 0) {
            removeAt(i);
        }
    }

    public void paint(Graphics g, int x, int y) {
        if (g == null) {
            throw new NullPointerException();
        }
        int cx = g.getClipX();
        int cy = g.getClipY();
        int cw = g.getClipWidth();
        int ch = g.getClipHeight();
        int tx = g.getTranslateX();
        int ty = g.getTranslateY();
        g.clipRect(x, y, viewWidth, viewHeight);
        g.translate(x - viewX, y - viewY);
        for (int i = count - 1; i >= 0; i--) {
            Layer l = layers[i];
            if (l.visible) {
                l.paint(g);
            }
        }
        g.translate(tx - g.getTranslateX(), ty - g.getTranslateY());
        g.setClip(cx, cy, cw, ch);
    }

    public void setViewWindow(int x, int y, int width, int height) {
        if (width < 0 || height < 0) {
            throw new IllegalArgumentException("negative view window size");
        }
        viewX = x;
        viewY = y;
        viewWidth = width;
        viewHeight = height;
    }
}
