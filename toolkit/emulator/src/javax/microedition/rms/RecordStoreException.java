package javax.microedition.rms;

/** A record store operation failed. */
public class RecordStoreException extends Exception {
    public RecordStoreException() {}

    public RecordStoreException(String message) {
        super(message);
    }
}
