package java.lang;

public class Throwable {
    private String detailMessage;
    /** Where it was made, one "\tat ..." line a frame. */
    private String stackTrace;

    public Throwable() {
        fillInStackTrace();
    }

    public Throwable(String message) {
        detailMessage = message;
        fillInStackTrace();
    }

    private native void fillInStackTrace();

    public String getMessage() {
        return detailMessage;
    }

    public String toString() {
        String m = getMessage();
        String n = getClass().getName();
        return m != null ? n + ": " + m : n;
    }

    public void printStackTrace() {
        System.err.println(this);
        if (stackTrace != null) {
            System.err.print(stackTrace);
        }
    }
}
