package javax.microedition.lcdui;

import java.util.Calendar;
import java.util.Date;
import java.util.TimeZone;

/** A date, a time or both, in a form. */
public class DateField extends Item {
    public static final int DATE = 1;
    public static final int TIME = 2;
    public static final int DATE_TIME = 3;

    private int mode;
    private Date date;
    private final TimeZone zone;

    public DateField(String label, int mode) {
        this(label, mode, null);
    }

    public DateField(String label, int mode, TimeZone timeZone) {
        super(label);
        setInputMode(mode);
        zone = timeZone == null ? TimeZone.getDefault() : timeZone;
    }

    public Date getDate() {
        return date == null ? null : new Date(date.getTime());
    }

    public void setDate(Date date) {
        this.date = date == null ? null : new Date(date.getTime());
        changed();
    }

    public int getInputMode() {
        return mode;
    }

    public void setInputMode(int mode) {
        if (mode < DATE || mode > DATE_TIME) {
            throw new IllegalArgumentException("bad input mode");
        }
        this.mode = mode;
        changed();
    }

    @Override
    boolean isFocusable() {
        return true;
    }

    private static String two(int v) {
        return v < 10 ? "0" + v : String.valueOf(v);
    }

    @Override
    int paintBody(Graphics g, int x, int y, int width, boolean focused) {
        String s = "<date>";
        if (date != null) {
            Calendar c = Calendar.getInstance(zone);
            c.setTime(date);
            String d = two(c.get(Calendar.DAY_OF_MONTH)) + "." + two(c.get(Calendar.MONTH) + 1)
                    + "."
                    + c.get(Calendar.YEAR);
            String t = two(c.get(Calendar.HOUR_OF_DAY)) + ":" + two(c.get(Calendar.MINUTE));
            s = mode == DATE ? d : mode == TIME ? t : d + " " + t;
        }
        g.setFont(Screen.TEXT_FONT);
        g.drawString(s, x, y, Graphics.TOP | Graphics.LEFT);
        return Screen.TEXT_FONT.getHeight();
    }
}
