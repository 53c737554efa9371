package javax.microedition.io;

import java.io.IOException;

/** An HTTPS connection. */
public interface HttpsConnection extends HttpConnection {
    SecurityInfo getSecurityInfo() throws IOException;

    int getPort();
}
