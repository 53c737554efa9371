package javax.microedition.lcdui;

import avizad.emulator.Keys;
import avizad.emulator.LcduiAccess;

/** A bar graph of a value, interactive or not. */
public class Gauge extends Item {
    public static final int INDEFINITE = -1;
    public static final int CONTINUOUS_IDLE = 0;
    public static final int INCREMENTAL_IDLE = 1;
    public static final int CONTINUOUS_RUNNING = 2;
    public static final int INCREMENTAL_UPDATING = 3;

    private final boolean interactive;
    private int max;
    private int value;

    public Gauge(String label, boolean interactive, int maxValue, int initialValue) {
        super(label);
        this.interactive = interactive;
        setMaxValue(maxValue);
        setValue(initialValue);
    }

    public void setValue(int value) {
        if (max == INDEFINITE) {
            if (value < CONTINUOUS_IDLE || value > INCREMENTAL_UPDATING) {
                throw new IllegalArgumentException("bad value for an indefinite gauge");
            }
            this.value = value;
        } else {
            this.value = Math.max(0, Math.min(max, value));
        }
        changed();
    }

    public int getValue() {
        return value;
    }

    public void setMaxValue(int maxValue) {
        if (maxValue <= 0 && !(maxValue == INDEFINITE && !interactive)) {
            throw new IllegalArgumentException("bad maximum");
        }
        boolean wasIndefinite = max == INDEFINITE;
        max = maxValue;
        if (maxValue == INDEFINITE) {
            value = CONTINUOUS_IDLE;
        } else if (wasIndefinite) {
            value = 0;
        } else {
            value = Math.min(value, maxValue);
        }
        changed();
    }

    public int getMaxValue() {
        return max;
    }

    public boolean isInteractive() {
        return interactive;
    }

    @Override
    boolean isFocusable() {
        return interactive || super.isFocusable();
    }

    @Override
    boolean itemKey(int type, int code) {
        if (!interactive || type == LcduiAccess.KEY_RELEASED) {
            return false;
        }
        if (code == Keys.LEFT || code == Keys.RIGHT) {
            setValue(value + (code == Keys.LEFT ? -1 : 1));
            if (owner instanceof Form) {
                ((Form) owner).stateChanged(this);
            }
            return true;
        }
        return false;
    }

    @Override
    int paintBody(Graphics g, int x, int y, int width, boolean focused) {
        int w = Math.min(width, 200);
        g.drawRect(x, y + 2, w - 1, 10);
        if (max > 0) {
            g.fillRect(x + 2, y + 4, (w - 4) * value / max, 7);
        }
        return 14;
    }
}
