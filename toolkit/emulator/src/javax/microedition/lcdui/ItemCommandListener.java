package javax.microedition.lcdui;

/** Receives the commands of items. */
public interface ItemCommandListener {
    void commandAction(Command c, Item item);
}
