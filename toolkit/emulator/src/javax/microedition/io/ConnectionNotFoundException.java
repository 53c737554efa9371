package javax.microedition.io;

/** No connection of the requested kind can be made. */
public class ConnectionNotFoundException extends java.io.IOException {
    public ConnectionNotFoundException() {}

    public ConnectionNotFoundException(String s) {
        super(s);
    }
}
