package java.lang;

public class IllegalAccessException extends Exception {
    public IllegalAccessException() {
    }

    public IllegalAccessException(String message) {
        super(message);
    }
}
