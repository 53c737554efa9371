package javax.microedition.io;

import java.io.IOException;

/** A connection of the Generic Connection Framework. */
public interface Connection {
    void close() throws IOException;
}
