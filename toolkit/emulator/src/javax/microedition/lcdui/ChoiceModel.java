package javax.microedition.lcdui;

import java.util.Vector;

/** The elements and selection of a List or ChoiceGroup. */
final class ChoiceModel {
    final int type;
    final Vector strings = new Vector();
    final Vector images = new Vector();
    final Vector fonts = new Vector();
    final Vector selected = new Vector();
    int focus;
    int fitPolicy;

    ChoiceModel(int type, String[] s, Image[] im) {
        this.type = type;
        if (s != null) {
            if (im != null && im.length != s.length) {
                throw new IllegalArgumentException("element arrays differ in length");
            }
            for (int i = 0; i < s.length; i++) {
                if (s[i] == null) {
                    throw new NullPointerException();
                }
            }
            for (int i = 0; i < s.length; i++) {
                append(s[i], im == null ? null : im[i]);
            }
        } else if (im != null) {
            throw new NullPointerException();
        }
    }

    private void check(int i) {
        if (i < 0 || i >= strings.size()) {
            throw new IndexOutOfBoundsException("element " + i);
        }
    }

    private static Image immutable(Image img) {
        return img != null && img.isMutable() ? Image.createImage(img) : img;
    }

    String getString(int i) {
        check(i);
        return (String) strings.elementAt(i);
    }

    Image getImage(int i) {
        check(i);
        return (Image) images.elementAt(i);
    }

    int append(String s, Image img) {
        insert(strings.size(), s, img);
        return strings.size() - 1;
    }

    void insert(int i, String s, Image img) {
        if (s == null) {
            throw new NullPointerException();
        }
        if (i < 0 || i > strings.size()) {
            throw new IndexOutOfBoundsException("element " + i);
        }
        strings.insertElementAt(s, i);
        images.insertElementAt(immutable(img), i);
        fonts.insertElementAt(Font.getDefaultFont(), i);
        boolean first = strings.size() == 1 && type != Choice.MULTIPLE;
        selected.insertElementAt(first ? Boolean.TRUE : Boolean.FALSE, i);
        if (i <= focus && strings.size() > 1) {
            focus++;
        }
    }

    void delete(int i) {
        check(i);
        boolean wasSelected = isSelected(i);
        strings.removeElementAt(i);
        images.removeElementAt(i);
        fonts.removeElementAt(i);
        selected.removeElementAt(i);
        if (focus >= strings.size()) {
            focus = Math.max(0, strings.size() - 1);
        }
        if (wasSelected && type != Choice.MULTIPLE && strings.size() > 0) {
            selected.setElementAt(Boolean.TRUE, Math.min(i, strings.size() - 1));
        }
    }

    void deleteAll() {
        strings.removeAllElements();
        images.removeAllElements();
        fonts.removeAllElements();
        selected.removeAllElements();
        focus = 0;
    }

    void set(int i, String s, Image img) {
        check(i);
        if (s == null) {
            throw new NullPointerException();
        }
        strings.setElementAt(s, i);
        images.setElementAt(immutable(img), i);
    }

    boolean isSelected(int i) {
        check(i);
        return ((Boolean) selected.elementAt(i)).booleanValue();
    }

    int getSelectedIndex() {
        if (type == Choice.MULTIPLE) {
            return -1;
        }
        for (int i = 0; i < selected.size(); i++) {
            if (isSelected(i)) {
                return i;
            }
        }
        return -1;
    }

    int getSelectedFlags(boolean[] flags) {
        if (flags.length < strings.size()) {
            throw new IllegalArgumentException("array too short");
        }
        int n = 0;
        for (int i = 0; i < flags.length; i++) {
            flags[i] = i < strings.size() && isSelected(i);
            if (flags[i]) {
                n++;
            }
        }
        return n;
    }

    void setSelectedIndex(int i, boolean on) {
        check(i);
        if (type == Choice.MULTIPLE) {
            selected.setElementAt(on ? Boolean.TRUE : Boolean.FALSE, i);
            return;
        }
        if (!on) {
            return;
        }
        for (int j = 0; j < selected.size(); j++) {
            selected.setElementAt(j == i ? Boolean.TRUE : Boolean.FALSE, j);
        }
        focus = i;
    }

    void setSelectedFlags(boolean[] flags) {
        if (flags.length < strings.size()) {
            throw new IllegalArgumentException("array too short");
        }
        if (type == Choice.MULTIPLE) {
            for (int i = 0; i < strings.size(); i++) {
                selected.setElementAt(flags[i] ? Boolean.TRUE : Boolean.FALSE, i);
            }
            return;
        }
        int pick = 0;
        for (int i = 0; i < strings.size(); i++) {
            if (flags[i]) {
                pick = i;
                break;
            }
        }
        if (strings.size() > 0) {
            setSelectedIndex(pick, true);
        }
    }

    void setFitPolicy(int p) {
        if (p < Choice.TEXT_WRAP_DEFAULT || p > Choice.TEXT_WRAP_OFF) {
            throw new IllegalArgumentException("bad fit policy");
        }
        fitPolicy = p;
    }

    void setFont(int i, Font f) {
        check(i);
        fonts.setElementAt(f == null ? Font.getDefaultFont() : f, i);
    }

    Font getFont(int i) {
        check(i);
        return (Font) fonts.elementAt(i);
    }

    /** Draws the elements; returns {top of the focused row, bottom of the focused row, height}. */
    int[] paint(Graphics g, int x, int y, int width, boolean focusVisible) {
        int top = y;
        int bottom = y;
        int cy = y;
        for (int i = 0; i < strings.size(); i++) {
            Font f = getFont(i);
            Image img = getImage(i);
            int rowH = Math.max(f.getHeight(), img == null ? 0 : img.getHeight()) + 2;
            boolean isFocus = focusVisible && i == focus;
            if (isFocus) {
                g.setColor(0x3060C0);
                g.fillRect(x, cy, width, rowH);
                top = cy;
                bottom = cy + rowH;
            }
            g.setColor(isFocus ? 0xFFFFFF : 0x000000);
            int tx = x + 2;
            if (type == Choice.EXCLUSIVE || type == Choice.MULTIPLE) {
                if (type == Choice.EXCLUSIVE) {
                    g.drawArc(tx, cy + 3, 9, 9, 0, 360);
                    if (isSelected(i)) {
                        g.fillArc(tx + 2, cy + 5, 6, 6, 0, 360);
                    }
                } else {
                    g.drawRect(tx, cy + 3, 9, 9);
                    if (isSelected(i)) {
                        g.fillRect(tx + 2, cy + 5, 6, 6);
                    }
                }
                tx += 14;
            }
            if (img != null) {
                g.drawImage(img, tx, cy + 1, Graphics.TOP | Graphics.LEFT);
                tx += img.getWidth() + 2;
            }
            g.setFont(f);
            g.drawString(getString(i), tx, cy + 1, Graphics.TOP | Graphics.LEFT);
            cy += rowH;
        }
        return new int[] {top, bottom, cy - y};
    }
}
