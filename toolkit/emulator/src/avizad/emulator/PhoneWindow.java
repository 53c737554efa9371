package avizad.emulator;

import java.awt.BorderLayout;
import java.awt.Color;
import java.awt.Dimension;
import java.awt.Graphics;
import java.awt.KeyboardFocusManager;
import java.awt.event.KeyEvent;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.awt.image.BufferedImage;
import java.util.HashSet;
import java.util.Set;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.JPanel;
import javax.swing.SwingUtilities;

/** The phone window: the screen and the keyboard as the phone's keypad. */
final class PhoneWindow {
    private PhoneWindow() {}

    /** The phone key of a keyboard key, or 0. */
    static int keyCode(KeyEvent e) {
        switch (e.getKeyCode()) {
            case KeyEvent.VK_UP: case KeyEvent.VK_KP_UP: return Keys.UP;
            case KeyEvent.VK_DOWN: case KeyEvent.VK_KP_DOWN: return Keys.DOWN;
            case KeyEvent.VK_LEFT: case KeyEvent.VK_KP_LEFT: return Keys.LEFT;
            case KeyEvent.VK_RIGHT: case KeyEvent.VK_KP_RIGHT: return Keys.RIGHT;
            case KeyEvent.VK_ENTER: return Keys.FIRE;
            case KeyEvent.VK_F1: return Keys.SOFT1;
            case KeyEvent.VK_F2: return Keys.SOFT2;
            case KeyEvent.VK_MULTIPLY: return Keys.STAR;
            default:
                break;
        }
        if (e.getKeyCode() >= KeyEvent.VK_NUMPAD0 && e.getKeyCode() <= KeyEvent.VK_NUMPAD9) {
            return 48 + e.getKeyCode() - KeyEvent.VK_NUMPAD0;
        }
        char ch = e.getKeyChar();
        if (ch >= '0' && ch <= '9') {
            return ch;
        }
        if (ch == '*') {
            return Keys.STAR;
        }
        if (ch == '#') {
            return Keys.POUND;
        }
        if (e.getKeyCode() >= KeyEvent.VK_0 && e.getKeyCode() <= KeyEvent.VK_9) {
            return 48 + e.getKeyCode() - KeyEvent.VK_0;
        }
        return 0;
    }

    /** Tells the user that the MIDlet failed; returns when the message is closed. */
    private static void showFailure(JFrame frame, Throwable e) {
        java.io.StringWriter text = new java.io.StringWriter();
        e.printStackTrace(new java.io.PrintWriter(text));
        Runnable show = () -> {
            javax.swing.JTextArea area = new javax.swing.JTextArea(text.toString(), 12, 60);
            area.setEditable(false);
            javax.swing.JOptionPane.showMessageDialog(frame, new javax.swing.JScrollPane(area),
                    "The MIDlet failed", javax.swing.JOptionPane.ERROR_MESSAGE);
        };
        try {
            if (SwingUtilities.isEventDispatchThread()) {
                show.run();
            } else {
                SwingUtilities.invokeAndWait(show);
            }
        } catch (Exception ignored) {
            // nothing more can be shown
        }
    }

    static void open(String title, int scale) throws Exception {
        SwingUtilities.invokeAndWait(() -> build(title, scale));
    }

    private static void build(String title, int scale) {
        JFrame frame = new JFrame(title);
        JPanel screen = new JPanel() {
            @Override
            protected void paintComponent(Graphics g) {
                BufferedImage img = Device.screen();
                synchronized (img) {
                    g.drawImage(img, 0, 0, img.getWidth() * scale, img.getHeight() * scale, null);
                }
                FirstFrame.painted();
            }
        };
        screen.setPreferredSize(new Dimension(Device.width() * scale, Device.height() * scale));
        screen.setBackground(Color.BLACK);
        // Two plain labels: an HTML label would load Swing's HTML and CSS classes, a tenth of
        // the emulator's start.
        JPanel help = new JPanel(new java.awt.GridLayout(2, 1));
        help.add(new JLabel("Стрелки: джойстик, Enter: центр,"));
        help.add(new JLabel("F1/F2: софт-клавиши, 0-9 * #: клавиатура"));
        help.setPreferredSize(new Dimension(Device.width() * scale, 36));
        frame.getContentPane().add(screen, BorderLayout.CENTER);
        frame.getContentPane().add(help, BorderLayout.SOUTH);
        frame.setResizable(false);
        frame.pack();
        frame.setLocationRelativeTo(null);
        frame.setDefaultCloseOperation(JFrame.DO_NOTHING_ON_CLOSE);
        frame.addWindowListener(new WindowAdapter() {
            @Override
            public void windowIconified(WindowEvent e) {
                EventLoop.post(() -> {
                    Object m = Device.midlet();
                    LcduiAccess.get().hideCurrent();
                    if (m != null) {
                        Main.callLifeCycle(m, "pauseApp");
                    }
                });
            }

            @Override
            public void windowDeiconified(WindowEvent e) {
                EventLoop.post(() -> {
                    Object m = Device.midlet();
                    if (m != null) {
                        Main.callLifeCycle(m, "startApp");
                    }
                    LcduiAccess.get().showCurrent();
                });
            }

            @Override
            public void windowClosing(WindowEvent e) {
                EventLoop.post(() -> {
                    Object m = Device.midlet();
                    if (m != null) {
                        Main.callLifeCycle(m, "destroyApp", Boolean.TRUE);
                    }
                    Device.exit(0);
                });
            }
        });
        Set<Integer> down = new HashSet<>();
        KeyboardFocusManager.getCurrentKeyboardFocusManager().addKeyEventDispatcher(e -> {
            int code = keyCode(e);
            if (code == 0) {
                return false;
            }
            if (e.getID() == KeyEvent.KEY_PRESSED) {
                if (down.add(code)) {
                    Device.postKey(true, code);
                } else {
                    Device.postKeyRepeat(code);
                }
                return true;
            }
            if (e.getID() == KeyEvent.KEY_RELEASED) {
                if (down.remove(code)) {
                    Device.postKey(false, code);
                }
                return true;
            }
            return false;
        });
        Device.setRepaintHook(screen::repaint);
        VM.setFailureHook(e -> showFailure(frame, e));
        frame.setVisible(true);
    }
}
