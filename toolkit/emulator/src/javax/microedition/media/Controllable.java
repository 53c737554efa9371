package javax.microedition.media;

/** Something that has controls. */
public interface Controllable {
    Control[] getControls();

    Control getControl(String controlType);
}
