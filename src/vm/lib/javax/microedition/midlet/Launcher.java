package javax.microedition.midlet;

import avizad.emulator.Device;
import avizad.emulator.EventLoop;

/**
 * Starts the MIDlet as the phone does: the event thread, then on it the MIDlet's construction
 * and startApp, then the key script's first events.
 */
final class Launcher {
    private Launcher() {
    }

    static void main(final String midletClass) {
        EventLoop.start();
        EventLoop.post(new Runnable() {
            public void run() {
                startMidlet(midletClass);
            }
        });
        EventLoop.post(new Runnable() {
            public void run() {
                avizad.vm.VM.startScript();
            }
        });
    }

    static void startMidlet(String cls) {
        MIDlet m;
        try {
            m = (MIDlet) Class.forName(cls).newInstance();
        } catch (ClassNotFoundException e) {
            throw new NoClassDefFoundError(cls);
        } catch (InstantiationException e) {
            throw new RuntimeException(e.toString());
        } catch (IllegalAccessException e) {
            throw new RuntimeException(e.toString());
        }
        Device.setMidlet(m);
        try {
            m.startApp();
        } catch (MIDletStateChangeException e) {
            avizad.vm.VM.fail(e);
        }
    }
}
