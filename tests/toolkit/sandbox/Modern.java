/** Compiled for Java 8 (class file version 52), which CLDC 1.1 does not load. */
public class Modern {
}
