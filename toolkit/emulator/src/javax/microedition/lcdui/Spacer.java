package javax.microedition.lcdui;

/** Empty space in a form. */
public class Spacer extends Item {
    private int minWidth;
    private int minHeight;

    public Spacer(int minWidth, int minHeight) {
        super(null);
        setMinimumSize(minWidth, minHeight);
    }

    public void setMinimumSize(int minWidth, int minHeight) {
        if (minWidth < 0 || minHeight < 0) {
            throw new IllegalArgumentException();
        }
        this.minWidth = minWidth;
        this.minHeight = minHeight;
        changed();
    }

    @Override
    public int getMinimumWidth() {
        return minWidth;
    }

    @Override
    public int getMinimumHeight() {
        return minHeight;
    }

    @Override
    public void addCommand(Command cmd) {
        throw new IllegalStateException("a spacer has no commands");
    }

    @Override
    public void setDefaultCommand(Command cmd) {
        throw new IllegalStateException("a spacer has no commands");
    }

    @Override
    public void setLabel(String label) {
        throw new IllegalStateException("a spacer has no label");
    }

    @Override
    int paintBody(Graphics g, int x, int y, int width, boolean focused) {
        return minHeight;
    }
}
