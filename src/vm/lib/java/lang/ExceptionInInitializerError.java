package java.lang;

/** An exception escaped a static initializer. */
public class ExceptionInInitializerError extends LinkageError {
    private Throwable exception;

    public ExceptionInInitializerError() {
    }

    public ExceptionInInitializerError(String message) {
        super(message);
    }

    public Throwable getException() {
        return exception;
    }

    public String getMessage() {
        String m = super.getMessage();
        return m == null && exception != null ? exception.toString() : m;
    }
}
