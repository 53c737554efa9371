/** Compiled against Java SE: its static block runs a program that leaves a mark. */
public class Evil {
    static {
        try {
            Runtime.getRuntime().exec(new String[] {"sh", "-c", "echo ran > EVIL-RAN"});
        } catch (java.io.IOException e) {
            throw new RuntimeException(e.toString());
        }
    }
}
