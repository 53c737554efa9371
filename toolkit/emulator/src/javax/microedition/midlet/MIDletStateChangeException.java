package javax.microedition.midlet;

/** A MIDlet refuses a change of its state. */
public class MIDletStateChangeException extends Exception {
    public MIDletStateChangeException() {}

    public MIDletStateChangeException(String s) {
        super(s);
    }
}
