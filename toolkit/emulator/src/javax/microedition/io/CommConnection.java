package javax.microedition.io;

/** A serial port connection. */
public interface CommConnection extends StreamConnection {
    int getBaudRate();

    int setBaudRate(int baudrate);
}
