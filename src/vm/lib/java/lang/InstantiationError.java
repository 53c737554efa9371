package java.lang;

public class InstantiationError extends IncompatibleClassChangeError {
    public InstantiationError() {
    }

    public InstantiationError(String message) {
        super(message);
    }
}
