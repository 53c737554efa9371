package javax.microedition.lcdui;

/** A class of the suite in a package of MIDP. */
public class Sneak {
}
