package javax.microedition.rms;

/** A record store failure. */
public class RecordStoreFullException extends RecordStoreException {
    public RecordStoreFullException() {}

    public RecordStoreFullException(String message) {
        super(message);
    }
}
