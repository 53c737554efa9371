package javax.microedition.rms;

/** A record store failure. */
public class RecordStoreNotFoundException extends RecordStoreException {
    public RecordStoreNotFoundException() {}

    public RecordStoreNotFoundException(String message) {
        super(message);
    }
}
