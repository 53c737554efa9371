package javax.microedition.io;

/** A stream connection with a content type, encoding and length. */
public interface ContentConnection extends StreamConnection {
    String getType();

    String getEncoding();

    long getLength();
}
