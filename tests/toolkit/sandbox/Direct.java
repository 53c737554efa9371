/** Compiled against Java SE: names a class that is not part of CLDC 1.1. */
public class Direct {
    public String toString() {
        return new java.io.File("/").getName();
    }
}
