package javax.microedition.io;

import java.io.IOException;

/** Inbound connections and alarms that start MIDlets; the emulator registers none. */
public class PushRegistry {
    private PushRegistry() {}

    public static void registerConnection(String connection, String midlet, String filter)
            throws ClassNotFoundException, IOException {
        if (connection == null || midlet == null || filter == null) {
            throw new IllegalArgumentException();
        }
        throw new ConnectionNotFoundException("the emulator has no push connections");
    }

    public static boolean unregisterConnection(String connection) {
        return false;
    }

    public static String[] listConnections(boolean available) {
        return new String[0];
    }

    public static String getMIDlet(String connection) {
        return null;
    }

    public static String getFilter(String connection) {
        return null;
    }

    public static long registerAlarm(String midlet, long time)
            throws ClassNotFoundException, ConnectionNotFoundException {
        throw new ConnectionNotFoundException("the emulator has no alarms");
    }
}
