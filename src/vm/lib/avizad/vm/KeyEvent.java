package avizad.vm;

/** A key event of the key script, for the event thread. */
final class KeyEvent {
    int type;
    int code;
}
