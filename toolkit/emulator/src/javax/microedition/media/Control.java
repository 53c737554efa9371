package javax.microedition.media;

/** A control of a player. */
public interface Control {}
