package javax.microedition.lcdui;

import java.util.Vector;

/** An element of a form. */
public abstract class Item {
    public static final int LAYOUT_DEFAULT = 0;
    public static final int LAYOUT_LEFT = 1;
    public static final int LAYOUT_RIGHT = 2;
    public static final int LAYOUT_CENTER = 3;
    public static final int LAYOUT_TOP = 0x10;
    public static final int LAYOUT_BOTTOM = 0x20;
    public static final int LAYOUT_VCENTER = 0x30;
    public static final int LAYOUT_NEWLINE_BEFORE = 0x100;
    public static final int LAYOUT_NEWLINE_AFTER = 0x200;
    public static final int LAYOUT_SHRINK = 0x400;
    public static final int LAYOUT_EXPAND = 0x800;
    public static final int LAYOUT_VSHRINK = 0x1000;
    public static final int LAYOUT_VEXPAND = 0x2000;
    public static final int LAYOUT_2 = 0x4000;
    public static final int PLAIN = 0;
    public static final int HYPERLINK = 1;
    public static final int BUTTON = 2;

    private static final int LAYOUT_MASK = 0x7F33;

    String label;
    int layout;
    int prefWidth = -1;
    int prefHeight = -1;
    final Vector commands = new Vector();
    Command defaultCommand;
    ItemCommandListener itemListener;
    Screen owner;

    Item(String label) {
        this.label = label;
    }

    public void setLabel(String label) {
        if (owner instanceof Alert) {
            throw new IllegalStateException();
        }
        this.label = label;
        changed();
    }

    public String getLabel() {
        return label;
    }

    public int getLayout() {
        return layout;
    }

    public void setLayout(int layout) {
        if ((layout & ~LAYOUT_MASK) != 0) {
            throw new IllegalArgumentException("bad layout");
        }
        this.layout = layout;
        changed();
    }

    public void addCommand(Command cmd) {
        if (cmd == null) {
            throw new NullPointerException();
        }
        if (!commands.contains(cmd)) {
            commands.addElement(cmd);
        }
    }

    public void removeCommand(Command cmd) {
        commands.removeElement(cmd);
        if (defaultCommand == cmd) {
            defaultCommand = null;
        }
    }

    public void setItemCommandListener(ItemCommandListener l) {
        itemListener = l;
    }

    public int getPreferredWidth() {
        return prefWidth >= 0 ? prefWidth : Math.max(getMinimumWidth(), 100);
    }

    public int getPreferredHeight() {
        return prefHeight >= 0 ? prefHeight : getMinimumHeight();
    }

    public void setPreferredSize(int width, int height) {
        if (width < -1 || height < -1) {
            throw new IllegalArgumentException();
        }
        prefWidth = width;
        prefHeight = height;
        changed();
    }

    public int getMinimumWidth() {
        return 16;
    }

    public int getMinimumHeight() {
        return Screen.TEXT_FONT.getHeight();
    }

    public void setDefaultCommand(Command cmd) {
        defaultCommand = cmd;
        if (cmd != null) {
            addCommand(cmd);
        }
    }

    public void notifyStateChanged() {
        if (!(owner instanceof Form)) {
            throw new IllegalStateException("the item is not in a form");
        }
        ((Form) owner).stateChanged(this);
    }

    void changed() {
        if (owner != null) {
            owner.changed();
        }
    }

    /** Draws the item at (x, y) within the width; returns its height. */
    int paintItem(Graphics g, int x, int y, int width, boolean focused) {
        int h = 0;
        if (label != null && label.length() > 0) {
            g.setColor(0x000000);
            h += Screen.drawWrapped(g, label, Screen.TITLE_FONT, x, y, width);
        }
        g.setColor(focused ? 0x3060C0 : 0x000000);
        return h + paintBody(g, x, y + h, width, focused);
    }

    abstract int paintBody(Graphics g, int x, int y, int width, boolean focused);

    boolean isFocusable() {
        return !commands.isEmpty();
    }

    /** A key on the focused item; returns whether the item used it. */
    boolean itemKey(int type, int code) {
        return false;
    }

    /** The centre key on the focused item. */
    void activate() {
        Command c = defaultCommand;
        if (c == null && !commands.isEmpty()) {
            c = (Command) commands.elementAt(0);
        }
        if (c != null && itemListener != null) {
            itemListener.commandAction(c, this);
        }
    }
}
