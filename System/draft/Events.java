/*
 * Events template of the generated game: the project's events, which every level runs
 * once a frame. The generator appends one line per action of the event table to the
 * events method, which the last line leaves open, and closes the class. Every level
 * class EtapN extends this class; the engine, the class Stage, calls events(). The
 * imports are those the event fragments may use; the run-time meaning of every name is
 * described in docs/game-runtime.md.
 */
import java.io.InputStream;
import java.util.Hashtable;
import java.util.Random;
import javax.microedition.lcdui.Font;
import javax.microedition.lcdui.Graphics;
import javax.microedition.lcdui.Image;
import javax.microedition.lcdui.game.GameCanvas;
import javax.microedition.lcdui.game.LayerManager;
import javax.microedition.lcdui.game.Sprite;
import javax.microedition.lcdui.game.TiledLayer;
import javax.microedition.media.Manager;
import javax.microedition.media.Player;

public abstract class Events extends Stage {

protected Events(syrk m) {
    super(m);
}

/* ---- Events: the generator appends one line per action and closes the class ---- */
protected void events(){
