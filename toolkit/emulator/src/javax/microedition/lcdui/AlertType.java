package javax.microedition.lcdui;

/** The kind of an alert. */
public class AlertType {
    public static final AlertType INFO = new AlertType();
    public static final AlertType WARNING = new AlertType();
    public static final AlertType ERROR = new AlertType();
    public static final AlertType ALARM = new AlertType();
    public static final AlertType CONFIRMATION = new AlertType();

    protected AlertType() {}

    public boolean playSound(Display display) {
        if (display == null) {
            throw new NullPointerException();
        }
        return false;
    }
}
