package javax.microedition.midlet;

import avizad.emulator.Device;
import javax.microedition.io.ConnectionNotFoundException;

/** A MIDP application: the emulator creates it and drives its life cycle. */
public abstract class MIDlet {
    protected MIDlet() {}

    protected abstract void startApp() throws MIDletStateChangeException;

    protected abstract void pauseApp();

    protected abstract void destroyApp(boolean unconditional) throws MIDletStateChangeException;

    /** The MIDlet has ended: the emulator ends with it. */
    public final void notifyDestroyed() {
        Device.exit(0);
    }

    public final void notifyPaused() {}

    public final String getAppProperty(String key) {
        if (key == null) {
            throw new NullPointerException();
        }
        return Device.property(key);
    }

    public final void resumeRequest() {}

    public final boolean platformRequest(String url) throws ConnectionNotFoundException {
        if (url == null) {
            throw new NullPointerException();
        }
        if (url.length() == 0) {
            return false;
        }
        throw new ConnectionNotFoundException("the emulator cannot open " + url);
    }

    public final int checkPermission(String permission) {
        return 1;
    }
}
