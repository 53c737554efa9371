package java.lang;

public class InstantiationException extends Exception {
    public InstantiationException() {
    }

    public InstantiationException(String message) {
        super(message);
    }
}
