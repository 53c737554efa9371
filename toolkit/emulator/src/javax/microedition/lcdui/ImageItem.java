package javax.microedition.lcdui;

/** An image in a form. */
public class ImageItem extends Item {
    private Image image;
    private String altText;
    private final int appearance;

    public ImageItem(String label, Image img, int layout, String altText) {
        this(label, img, layout, altText, PLAIN);
    }

    public ImageItem(String label, Image image, int layout, String altText, int appearanceMode) {
        super(label);
        if (appearanceMode < PLAIN || appearanceMode > BUTTON) {
            throw new IllegalArgumentException("bad appearance mode");
        }
        setImage(image);
        setLayout(layout);
        this.altText = altText;
        this.appearance = appearanceMode;
    }

    public Image getImage() {
        return image;
    }

    public void setImage(Image img) {
        image = img != null && img.isMutable() ? Image.createImage(img) : img;
        changed();
    }

    public String getAltText() {
        return altText;
    }

    public void setAltText(String text) {
        altText = text;
    }

    @Override
    public int getLayout() {
        return super.getLayout();
    }

    @Override
    public void setLayout(int layout) {
        super.setLayout(layout);
    }

    public int getAppearanceMode() {
        return appearance;
    }

    @Override
    int paintBody(Graphics g, int x, int y, int width, boolean focused) {
        if (image == null) {
            return 0;
        }
        int align = layout & LAYOUT_CENTER;
        int ix = align == LAYOUT_CENTER ? x + (width - image.getWidth()) / 2
                : align == LAYOUT_RIGHT ? x + width - image.getWidth() : x;
        g.drawImage(image, ix, y, Graphics.TOP | Graphics.LEFT);
        return image.getHeight();
    }
}
