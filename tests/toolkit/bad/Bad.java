/** Uses String.format, which CLDC 1.1 does not have. */
public class Bad {
    public String show(int score) {
        return String.format("%d", new Object[] {new Integer(score)});
    }
}
