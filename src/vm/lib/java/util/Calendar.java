package java.util;

/** A Gregorian calendar in the phone's time zone. */
public abstract class Calendar {
    public static final int ERA = 0;
    public static final int YEAR = 1;
    public static final int MONTH = 2;
    public static final int DATE = 5;
    public static final int DAY_OF_MONTH = 5;
    public static final int DAY_OF_WEEK = 7;
    public static final int AM_PM = 9;
    public static final int HOUR = 10;
    public static final int HOUR_OF_DAY = 11;
    public static final int MINUTE = 12;
    public static final int SECOND = 13;
    public static final int MILLISECOND = 14;
    public static final int SUNDAY = 1;
    public static final int MONDAY = 2;
    public static final int TUESDAY = 3;
    public static final int WEDNESDAY = 4;
    public static final int THURSDAY = 5;
    public static final int FRIDAY = 6;
    public static final int SATURDAY = 7;
    public static final int JANUARY = 0;
    public static final int FEBRUARY = 1;
    public static final int MARCH = 2;
    public static final int APRIL = 3;
    public static final int MAY = 4;
    public static final int JUNE = 5;
    public static final int JULY = 6;
    public static final int AUGUST = 7;
    public static final int SEPTEMBER = 8;
    public static final int OCTOBER = 9;
    public static final int NOVEMBER = 10;
    public static final int DECEMBER = 11;
    public static final int AM = 0;
    public static final int PM = 1;

    protected int[] fields = new int[15];
    protected boolean[] isSet = new boolean[15];
    protected long time;
    private TimeZone zone = TimeZone.getDefault();

    protected Calendar() {
    }

    public static synchronized Calendar getInstance() {
        return getInstance(TimeZone.getDefault());
    }

    public static synchronized Calendar getInstance(TimeZone zone) {
        Calendar c = new Gregorian();
        c.zone = zone;
        c.setTimeInMillis(System.currentTimeMillis());
        return c;
    }

    public final Date getTime() {
        return new Date(getTimeInMillis());
    }

    public final void setTime(Date date) {
        setTimeInMillis(date.getTime());
    }

    protected long getTimeInMillis() {
        return time;
    }

    protected void setTimeInMillis(long millis) {
        time = millis;
        computeFields();
    }

    public final int get(int field) {
        return fields[field];
    }

    public final void set(int field, int value) {
        fields[field] = value;
        if (field == HOUR || field == AM_PM) {
            fields[HOUR_OF_DAY] = fields[HOUR] % 12 + (fields[AM_PM] == PM ? 12 : 0);
        }
        computeTime();
        computeFields();
    }

    public void setTimeZone(TimeZone value) {
        zone = value;
        computeFields();
    }

    public TimeZone getTimeZone() {
        return zone;
    }

    public boolean equals(Object obj) {
        return obj instanceof Calendar && ((Calendar) obj).getTimeInMillis() == getTimeInMillis();
    }

    public boolean before(Object when) {
        return when instanceof Calendar && getTimeInMillis() < ((Calendar) when).getTimeInMillis();
    }

    public boolean after(Object when) {
        return when instanceof Calendar && getTimeInMillis() > ((Calendar) when).getTimeInMillis();
    }

    protected abstract void computeFields();

    protected abstract void computeTime();

    int offset() {
        return zone.getRawOffset();
    }

    private static final class Gregorian extends Calendar {
        private static long floorDiv(long a, long b) {
            long q = a / b;
            return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
        }

        /** Days from 1970-01-01 to year-month-day (month 1..12). */
        private static long daysFrom(long y, int m, long d) {
            y -= m <= 2 ? 1 : 0;
            long era = floorDiv(y, 400);
            long yoe = y - era * 400;
            long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
            long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
            return era * 146097 + doe - 719468;
        }

        protected void computeFields() {
            long local = time + offset();
            long days = floorDiv(local, 86400000L);
            int ms = (int) (local - days * 86400000L);
            long z = days + 719468;
            long era = floorDiv(z, 146097);
            long doe = z - era * 146097;
            long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
            long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
            long mp = (5 * doy + 2) / 153;
            int d = (int) (doy - (153 * mp + 2) / 5 + 1);
            int m = (int) (mp < 10 ? mp + 3 : mp - 9);
            long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
            fields[ERA] = 1;
            fields[YEAR] = (int) y;
            fields[MONTH] = m - 1;
            fields[DAY_OF_MONTH] = d;
            fields[DAY_OF_WEEK] = (int) (floorDiv(days + 4, 7) * -7 + days + 4) + 1;
            fields[HOUR_OF_DAY] = ms / 3600000;
            fields[AM_PM] = fields[HOUR_OF_DAY] >= 12 ? PM : AM;
            fields[HOUR] = fields[HOUR_OF_DAY] % 12;
            fields[MINUTE] = ms / 60000 % 60;
            fields[SECOND] = ms / 1000 % 60;
            fields[MILLISECOND] = ms % 1000;
        }

        protected void computeTime() {
            long y = fields[YEAR];
            long month = fields[MONTH];
            y += floorDiv(month, 12);
            month = month - floorDiv(month, 12) * 12;
            long days = daysFrom(y, (int) month + 1, 1) + fields[DAY_OF_MONTH] - 1;
            long ms = ((fields[HOUR_OF_DAY] * 60L + fields[MINUTE]) * 60L + fields[SECOND])
                    * 1000L + fields[MILLISECOND];
            time = days * 86400000L + ms - offset();
        }
    }
}
