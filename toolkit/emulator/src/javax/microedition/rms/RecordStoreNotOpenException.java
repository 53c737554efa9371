package javax.microedition.rms;

/** A record store failure. */
public class RecordStoreNotOpenException extends RecordStoreException {
    public RecordStoreNotOpenException() {}

    public RecordStoreNotOpenException(String message) {
        super(message);
    }
}
