package javax.microedition.media;

/** A media operation failed. */
public class MediaException extends Exception {
    public MediaException() {}

    public MediaException(String reason) {
        super(reason);
    }
}
