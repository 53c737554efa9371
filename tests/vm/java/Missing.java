/* Left out of the jar on purpose: the game that calls it meets NoClassDefFoundError. */
public class Missing {
    public void run() {
    }
}
