package java.util;

public class Date {
    private long fastTime;

    public Date() {
        this(System.currentTimeMillis());
    }

    public Date(long date) {
        fastTime = date;
    }

    public long getTime() {
        return fastTime;
    }

    public void setTime(long time) {
        fastTime = time;
    }

    public boolean equals(Object obj) {
        return obj instanceof Date && getTime() == ((Date) obj).getTime();
    }

    public int hashCode() {
        long ht = getTime();
        return (int) ht ^ (int) (ht >> 32);
    }

    /** "EEE MMM dd HH:mm:ss zzz yyyy", as Java SE writes it. */
    public String toString() {
        Calendar c = Calendar.getInstance();
        c.setTime(this);
        String[] days = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        String[] months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
            "Nov", "Dec"};
        StringBuffer b = new StringBuffer();
        b.append(days[c.get(Calendar.DAY_OF_WEEK) - 1]).append(' ');
        b.append(months[c.get(Calendar.MONTH)]).append(' ');
        two(b, c.get(Calendar.DAY_OF_MONTH)).append(' ');
        two(b, c.get(Calendar.HOUR_OF_DAY)).append(':');
        two(b, c.get(Calendar.MINUTE)).append(':');
        two(b, c.get(Calendar.SECOND)).append(' ');
        b.append(c.getTimeZone().getID()).append(' ').append(c.get(Calendar.YEAR));
        return b.toString();
    }

    private static StringBuffer two(StringBuffer b, int v) {
        if (v < 10) {
            b.append('0');
        }
        return b.append(v);
    }
}
