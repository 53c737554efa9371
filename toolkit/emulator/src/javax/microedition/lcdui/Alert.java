package javax.microedition.lcdui;

/** A message shown for a while or until the user dismisses it. */
public class Alert extends Screen {
    public static final int FOREVER = -2;
    public static final Command DISMISS_COMMAND = new Command("Done", Command.OK, 0);

    private String text;
    private Image image;
    private AlertType type;
    private int timeout = getDefaultTimeout();
    private Gauge indicator;
    Displayable next;

    public Alert(String title) {
        this(title, null, null, null);
    }

    public Alert(String title, String alertText, Image alertImage, AlertType alertType) {
        this.title = title;
        this.text = alertText;
        setImage(alertImage);
        this.type = alertType;
    }

    public int getDefaultTimeout() {
        return 2000;
    }

    public int getTimeout() {
        return timeout;
    }

    public void setTimeout(int time) {
        if (time <= 0 && time != FOREVER) {
            throw new IllegalArgumentException("bad timeout");
        }
        timeout = time;
    }

    public AlertType getType() {
        return type;
    }

    public void setType(AlertType type) {
        this.type = type;
    }

    public String getString() {
        return text;
    }

    public void setString(String str) {
        text = str;
        changed();
    }

    public Image getImage() {
        return image;
    }

    public void setImage(Image img) {
        if (img != null && img.isMutable()) {
            img = Image.createImage(img);
        }
        image = img;
        changed();
    }

    public void setIndicator(Gauge indicator) {
        this.indicator = indicator;
        changed();
    }

    public Gauge getIndicator() {
        return indicator;
    }

    @Override
    public void addCommand(Command cmd) {
        if (cmd == DISMISS_COMMAND) {
            return;
        }
        super.addCommand(cmd);
    }

    @Override
    public void removeCommand(Command cmd) {
        super.removeCommand(cmd);
    }

    @Override
    public void setCommandListener(CommandListener l) {
        super.setCommandListener(l);
    }

    @Override
    Command softCommand(int code) {
        if (commands.isEmpty()) {
            return code == avizad.emulator.Keys.SOFT2 ? DISMISS_COMMAND : null;
        }
        return super.softCommand(code);
    }

    @Override
    void fireCommand(Command c) {
        if (c == DISMISS_COMMAND && listener == null) {
            dismiss();
        } else if (listener != null) {
            listener.commandAction(c, this);
        } else {
            dismiss();
        }
    }

    void dismiss() {
        Display.instance().show(next != null ? next : this);
    }

    @Override
    void shown() {
        if (timeout != FOREVER && commands.isEmpty()) {
            Display.instance().scheduleDismiss(this, timeout);
        }
    }

    @Override
    int[] paintContent(Graphics g, int width) {
        int y = 4;
        if (image != null) {
            g.drawImage(image, width / 2, y, Graphics.TOP | Graphics.HCENTER);
            y += image.getHeight() + 4;
        }
        y += drawWrapped(g, text, TEXT_FONT, 4, y, width - 8);
        if (indicator != null) {
            y += indicator.paintItem(g, 4, y, width - 8, false);
        }
        return new int[] {0, y};
    }
}
