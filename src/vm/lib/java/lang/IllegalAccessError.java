package java.lang;

public class IllegalAccessError extends IncompatibleClassChangeError {
    public IllegalAccessError() {
    }

    public IllegalAccessError(String message) {
        super(message);
    }
}
