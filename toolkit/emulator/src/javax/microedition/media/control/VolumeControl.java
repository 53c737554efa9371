package javax.microedition.media.control;

import javax.microedition.media.Control;

/** The volume of a player. */
public interface VolumeControl extends Control {
    void setMute(boolean mute);

    boolean isMuted();

    int setLevel(int level);

    int getLevel();
}
