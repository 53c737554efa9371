package avizad.vm;

import java.io.OutputStream;

/** Standard output or standard error of the machine. */
public final class Console extends OutputStream {
    private final boolean error;

    public Console(boolean error) {
        this.error = error;
    }

    public void write(int b) {
        byte[] one = {(byte) b};
        VM.print(one, 0, 1, error);
    }

    public void write(byte[] b, int off, int len) {
        if (off < 0 || len < 0 || off > b.length - len) {
            throw new IndexOutOfBoundsException();
        }
        VM.print(b, off, len, error);
    }
}
