package javax.microedition.lcdui;

import java.util.Vector;

/** A screen of items. */
public class Form extends Screen {
    private final Vector items = new Vector();
    private ItemStateListener stateListener;
    private int focus = -1;

    public Form(String title) {
        this.title = title;
    }

    public Form(String title, Item[] items) {
        this(title);
        if (items != null) {
            for (int i = 0; i < items.length; i++) {
                if (items[i] == null) {
                    throw new NullPointerException();
                }
                if (items[i].owner != null) {
                    throw new IllegalStateException("the item belongs to another container");
                }
            }
            for (int i = 0; i < items.length; i++) {
                append(items[i]);
            }
        }
    }

    private void own(Item item) {
        if (item == null) {
            throw new NullPointerException();
        }
        if (item.owner != null) {
            throw new IllegalStateException("the item belongs to another container");
        }
        item.owner = this;
    }

    public int append(Item item) {
        own(item);
        items.addElement(item);
        changed();
        return items.size() - 1;
    }

    public int append(String str) {
        return append(new StringItem(null, str));
    }

    public int append(Image img) {
        return append(new ImageItem(null, img, Item.LAYOUT_DEFAULT, null));
    }

    public void insert(int itemNum, Item item) {
        if (itemNum < 0 || itemNum > items.size()) {
            throw new IndexOutOfBoundsException();
        }
        own(item);
        items.insertElementAt(item, itemNum);
        if (focus >= itemNum) {
            focus++;
        }
        changed();
    }

    public void delete(int itemNum) {
        Item item = get(itemNum);
        item.owner = null;
        items.removeElementAt(itemNum);
        if (focus >= items.size()) {
            focus = items.size() - 1;
        }
        changed();
    }

    public void deleteAll() {
        for (int i = 0; i < items.size(); i++) {
            ((Item) items.elementAt(i)).owner = null;
        }
        items.removeAllElements();
        focus = -1;
        changed();
    }

    public void set(int itemNum, Item item) {
        Item old = get(itemNum);
        own(item);
        old.owner = null;
        items.setElementAt(item, itemNum);
        changed();
    }

    public Item get(int itemNum) {
        if (itemNum < 0 || itemNum >= items.size()) {
            throw new IndexOutOfBoundsException();
        }
        return (Item) items.elementAt(itemNum);
    }

    public void setItemStateListener(ItemStateListener iListener) {
        stateListener = iListener;
    }

    public int size() {
        return items.size();
    }

    @Override
    public int getWidth() {
        return super.getWidth();
    }

    @Override
    public int getHeight() {
        return super.getHeight();
    }

    void stateChanged(Item item) {
        ItemStateListener l = stateListener;
        if (l != null) {
            l.itemStateChanged(item);
        }
    }

    void focusItem(Item item) {
        int i = items.indexOf(item);
        if (i >= 0) {
            focus = i;
        }
    }

    @Override
    boolean moveFocus(int delta) {
        if (focus >= 0 && focus < items.size() && get(focus).itemKey(
                avizad.emulator.LcduiAccess.KEY_PRESSED,
                delta < 0 ? avizad.emulator.Keys.UP : avizad.emulator.Keys.DOWN)) {
            return true;
        }
        for (int i = focus + delta; i >= 0 && i < items.size(); i += delta) {
            if (get(i).isFocusable()) {
                focus = i;
                return true;
            }
        }
        return false;
    }

    @Override
    boolean keyEvent(int type, int code) {
        if (focus >= 0 && focus < items.size() && code != avizad.emulator.Keys.UP
                && code != avizad.emulator.Keys.DOWN && get(focus).itemKey(type, code)) {
            changed();
            return true;
        }
        return super.keyEvent(type, code);
    }

    @Override
    void select() {
        if (focus >= 0 && focus < items.size()) {
            get(focus).activate();
        }
    }

    @Override
    int[] paintContent(Graphics g, int width) {
        if (focus < 0) {
            for (int i = 0; i < items.size(); i++) {
                if (get(i).isFocusable()) {
                    focus = i;
                    break;
                }
            }
        }
        int y = 2;
        int top = 0;
        int bottom = 0;
        for (int i = 0; i < items.size(); i++) {
            int h = get(i).paintItem(g, 4, y, width - 8, i == focus);
            if (i == focus) {
                top = y;
                bottom = y + h;
            }
            y += h + 4;
        }
        reveal(top, bottom);
        return new int[] {top, bottom};
    }
}
