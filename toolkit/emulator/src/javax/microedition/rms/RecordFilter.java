package javax.microedition.rms;

/** Picks records. */
public interface RecordFilter {
    boolean matches(byte[] candidate);
}
