package javax.microedition.lcdui;

/** Receives the commands of displayables. */
public interface CommandListener {
    void commandAction(Command c, Displayable d);
}
