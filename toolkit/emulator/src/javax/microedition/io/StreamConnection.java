package javax.microedition.io;

/** A two-way stream connection. */
public interface StreamConnection extends InputConnection, OutputConnection {}
