package java.lang;

/** Marks a method that overrides another (read by the compiler only). */
public @interface Override {
}
