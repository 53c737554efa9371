package javax.microedition.io;

import javax.microedition.pki.Certificate;

/** The security of a secure connection. */
public interface SecurityInfo {
    Certificate getServerCertificate();

    String getProtocolVersion();

    String getProtocolName();

    String getCipherSuite();
}
