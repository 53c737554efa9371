package javax.microedition.lcdui;

/** Text in a form. */
public class StringItem extends Item {
    private String text;
    private final int appearance;
    private Font font = Font.getDefaultFont();

    public StringItem(String label, String text) {
        this(label, text, PLAIN);
    }

    public StringItem(String label, String text, int appearanceMode) {
        super(label);
        if (appearanceMode < PLAIN || appearanceMode > BUTTON) {
            throw new IllegalArgumentException("bad appearance mode");
        }
        this.text = text;
        this.appearance = appearanceMode;
    }

    public String getText() {
        return text;
    }

    public void setText(String text) {
        this.text = text;
        changed();
    }

    public int getAppearanceMode() {
        return appearance;
    }

    public void setFont(Font font) {
        this.font = font == null ? Font.getDefaultFont() : font;
        changed();
    }

    public Font getFont() {
        return font;
    }

    @Override
    public void setPreferredSize(int width, int height) {
        super.setPreferredSize(width, height);
    }

    @Override
    int paintBody(Graphics g, int x, int y, int width, boolean focused) {
        int h = Screen.drawWrapped(g, text, font, x, y, width);
        if (appearance == BUTTON) {
            g.drawRect(x, y, Math.min(width, font.stringWidth(text == null ? "" : text) + 2), h);
        }
        return h;
    }
}
