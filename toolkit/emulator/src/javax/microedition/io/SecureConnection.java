package javax.microedition.io;

import java.io.IOException;

/** A TLS socket connection. */
public interface SecureConnection extends SocketConnection {
    SecurityInfo getSecurityInfo() throws IOException;
}
