package javax.microedition.lcdui;

/** Told when the user changes an interactive item of a form. */
public interface ItemStateListener {
    void itemStateChanged(Item item);
}
