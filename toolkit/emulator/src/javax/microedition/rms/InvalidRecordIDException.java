package javax.microedition.rms;

/** A record store failure. */
public class InvalidRecordIDException extends RecordStoreException {
    public InvalidRecordIDException() {}

    public InvalidRecordIDException(String message) {
        super(message);
    }
}
