package java.lang;

public class AbstractMethodError extends IncompatibleClassChangeError {
    public AbstractMethodError() {
    }

    public AbstractMethodError(String message) {
        super(message);
    }
}
