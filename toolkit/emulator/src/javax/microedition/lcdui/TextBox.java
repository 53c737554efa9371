package javax.microedition.lcdui;

import avizad.emulator.LcduiAccess;

/** A screen for editing text. */
public class TextBox extends Screen {
    private final TextEditing edit;

    public TextBox(String title, String text, int maxSize, int constraints) {
        this.title = title;
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
    boolean keyEvent(int type, int code) {
        if (type != LcduiAccess.KEY_RELEASED && edit.key(code)) {
            changed();
            return true;
        }
        return super.keyEvent(type, code);
    }

    @Override
    int[] paintContent(Graphics g, int width) {
        int h = drawWrapped(g, edit.shown() + "|", TEXT_FONT, 4, 4, width - 8);
        return new int[] {0, h};
    }
}
