package java.lang;

/** A class of the suite in a package of the platform. */
public class Foo {
}
