package java.lang;

public class VerifyError extends LinkageError {
    public VerifyError() {
    }

    public VerifyError(String message) {
        super(message);
    }
}
