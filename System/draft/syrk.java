/*
 * The MIDlet of the generated game. It shows one stage at a time: stage 0 is the
 * title screen, stages 1..n are the levels. The generator inserts the stage fields
 * and the cases of the two switches below.
 */
import javax.microedition.lcdui.Display;
import javax.microedition.lcdui.Displayable;
import javax.microedition.midlet.MIDlet;

public class syrk extends MIDlet {
//vstavka1

/* Global values 1..20 of the events; they keep their values from level to level
   and are cleared when the title screen starts a new game. */
public int[] glob = new int[21];

private int current = -1;
private volatile boolean paused;
private Displayable shown;
private boolean requested;
private int requestedEtap;

public syrk() {
}

public void startApp() {
    paused = false;
    if (current < 0) {
        show(0);
    } else if (shown != null) {
        Display.getDisplay(this).setCurrent(shown);
    }
}

/* The running stage holds its frames while the game is paused. */
public void pauseApp() {
    paused = true;
}

public boolean isPaused() {
    return paused;
}

public void destroyApp(boolean unconditional) {
    hide();
}

/* Asks to leave the running stage for stage `to` (the events' level change and the
   title screen call it). The change takes place when the running stage has finished
   its frame; the first request of a frame wins. A stage number without a stage
   leads to the title screen. `from` names the level the author had in view; the
   stage that runs is the one that is left. */
public void changeEtap(int from, int to) {
    synchronized (this) {
        if (!requested) {
            requested = true;
            requestedEtap = to;
        }
    }
}

/* Called by the running stage after each frame: performs a requested change. */
public void applyChange() {
    int to;
    synchronized (this) {
        if (!requested) {
            return;
        }
        requested = false;
        to = requestedEtap;
    }
    hide();
    show(to);
}

public void quit() {
    hide();
    notifyDestroyed();
}

/* The title screen starts a new game. */
private void clearGlobals() {
    for (int i = 0; i < glob.length; i++) {
        glob[i] = 0;
    }
}

private void hide() {
    switch (current) {
//vstavka2
default:
break;
}
current = -1;
shown = null;
}

private void show(int to) {
    if (to == 0) {
        clearGlobals();
    }
    current = to;
    switch (to) {
//vstavka3
default:
current = 0;
clearGlobals();
etap0 = new Etap0(this);
etap0.start();
Display.getDisplay(this).setCurrent(etap0);
break;
}
}

/* Every stage calls this when it starts: the stage to show again when the game resumes.
   (The display's current one may still be the stage before, as setCurrent can take
   effect later.) */
public void started(Displayable stage) {
    shown = stage;
}
}
