package java.util;

/** Time zones: the phone knows UTC (its default) and GMT, both without daylight saving. */
public abstract class TimeZone {
    private static TimeZone defaultZone;
    String id;

    public TimeZone() {
    }

    public abstract int getOffset(int era, int year, int month, int day, int dayOfWeek,
            int millis);

    public abstract int getRawOffset();

    public abstract boolean useDaylightTime();

    public String getID() {
        return id;
    }

    public static synchronized TimeZone getTimeZone(String id) {
        if (id == null) {
            throw new NullPointerException();
        }
        Fixed z = new Fixed();
        z.id = id.equals("UTC") ? "UTC" : "GMT";
        return z;
    }

    public static synchronized TimeZone getDefault() {
        if (defaultZone == null) {
            defaultZone = getTimeZone("UTC");
        }
        return defaultZone;
    }

    public static String[] getAvailableIDs() {
        return new String[] {"GMT", "UTC"};
    }

    private static final class Fixed extends TimeZone {
        public int getOffset(int era, int year, int month, int day, int dayOfWeek, int millis) {
            return 0;
        }

        public int getRawOffset() {
            return 0;
        }

        public boolean useDaylightTime() {
            return false;
        }
    }
}
