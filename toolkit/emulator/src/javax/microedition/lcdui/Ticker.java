package javax.microedition.lcdui;

/** A line of text shown with a screen. */
public class Ticker {
    private String text;

    public Ticker(String str) {
        setString(str);
    }

    public void setString(String str) {
        if (str == null) {
            throw new NullPointerException();
        }
        text = str;
    }

    public String getString() {
        return text;
    }
}
