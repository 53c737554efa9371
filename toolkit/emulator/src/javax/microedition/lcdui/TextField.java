package javax.microedition.lcdui;

import avizad.emulator.LcduiAccess;

/** An editable text in a form. */
public class TextField extends Item {
    public static final int ANY = 0;
    public static final int EMAILADDR = 1;
    public static final int NUMERIC = 2;
    public static final int PHONENUMBER = 3;
    public static final int URL = 4;
    public static final int DECIMAL = 5;
    public static final int PASSWORD = 0x10000;
    public static final int UNEDITABLE = 0x20000;
    public static final int SENSITIVE = 0x40000;
    public static final int NON_PREDICTIVE = 0x80000;
    public static final int INITIAL_CAPS_WORD = 0x100000;
    public static final int INITIAL_CAPS_SENTENCE = 0x200000;
    public static final int CONSTRAINT_MASK = 0xFFFF;

    private final TextEditing edit;

    public TextField(String label, String text, int maxSize, int constraints) {
        super(label);
        edit = new TextEditing(text, maxSize, constraints);
    }

    public String getString() {
        return edit.text.toString();
    }

    public int getChars(char[] data) {
        return edit.getChars(data);
    }

    public void setString(String text) {
        edit.setString(text);
        changed();
    }

    public void setChars(char[] data, int offset, int length) {
        edit.setChars(data, offset, length);
        changed();
    }

    public void insert(String src, int position) {
        edit.insert(src, position);
        changed();
    }

    public void insert(char[] data, int offset, int length, int position) {
        if (offset < 0 || length < 0 || offset + length > data.length) {
            throw new ArrayIndexOutOfBoundsException();
        }
        insert(new String(data, offset, length), position);
    }

    public void delete(int offset, int length) {
        edit.delete(offset, length);
        changed();
    }

    public int getMaxSize() {
        return edit.maxSize;
    }

    public int setMaxSize(int maxSize) {
        int m = edit.setMaxSize(maxSize);
        changed();
        return m;
    }

    public int size() {
        return edit.text.length();
    }

    public int getCaretPosition() {
        return edit.caret;
    }

    public void setConstraints(int constraints) {
        edit.setConstraints(constraints);
        changed();
    }

    public int getConstraints() {
        return edit.constraints;
    }

    public void setInitialInputMode(String characterSubset) {}

    @Override
    boolean isFocusable() {
        return true;
    }

    @Override
    boolean itemKey(int type, int code) {
        if (type == LcduiAccess.KEY_RELEASED || !edit.key(code)) {
            return false;
        }
        if (owner instanceof Form) {
            ((Form) owner).stateChanged(this);
        }
        return true;
    }

    @Override
    int paintBody(Graphics g, int x, int y, int width, boolean focused) {
        int h = Screen.TEXT_FONT.getHeight() + 4;
        g.drawRect(x, y, width - 1, h - 1);
        g.setFont(Screen.TEXT_FONT);
        g.drawString(edit.shown(), x + 3, y + 2, Graphics.TOP | Graphics.LEFT);
        return h;
    }
}
