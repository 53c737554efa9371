package avizad.buildtools;

import java.io.BufferedInputStream;
import java.io.BufferedOutputStream;
import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.EOFException;
import java.io.File;
import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.concurrent.LinkedBlockingQueue;

/**
 * The build process: the toolkit's compiler, preverifier and archiver in one long-lived Java
 * virtual machine, so that a build does not pay for starting three (and the tools run warm
 * from the second build on). The editor starts it once and sends it one request per tool run.
 *
 * <p>Protocol, on standard input and output; a "string" is its length in bytes in decimal, a
 * line end, then its bytes (UTF-8):
 *
 * <pre>
 * server: "\036avizad-buildserver 2\n", then "tool NAME " + string for each of its tools
 *         (javac, jar, preverify: their paths, canonical), then "ready\n"
 * client: "run ID ARGC\n" and ARGC strings: the tool's path and its arguments
 * server: zero or more "out " + string (the tool's output, standard output and error mixed,
 *         in order), then "end ID STATUS\n"; while the tool runs, "alive\n" every second
 * </pre>
 *
 * The "alive" lines tell the client that a long request still runs: a server that says
 * nothing for a while has stopped (or hangs), and the client replaces it.
 *
 * A request whose first argument is not one of the server's tools ends with status 127 and a
 * message. The server ends when its standard input ends (the editor has gone), at once, even
 * in the middle of a request. A tool that runs out of memory or stack ends the server with
 * status 3 rather than go on in a damaged virtual machine; the client then runs the tool as a
 * program of its own. Everything runs in the server's current folder (the program folder).
 */
public final class BuildServer {
    private BuildServer() {}

    private static final String[] TOOLS = {"javac", "jar", "preverify"};
    /** A request runs: the heartbeat says so. */
    private static volatile boolean busy;

    /** Writes framed output on the real standard output. */
    private static final class Framer extends OutputStream {
        private final OutputStream out;

        Framer(OutputStream out) {
            this.out = out;
        }

        @Override
        public void write(int b) throws IOException {
            write(new byte[] {(byte) b}, 0, 1);
        }

        @Override
        public void write(byte[] b, int off, int len) throws IOException {
            if (len == 0) {
                return;
            }
            synchronized (out) {
                out.write(("out " + len + "\n").getBytes(StandardCharsets.US_ASCII));
                out.write(b, off, len);
                out.flush();
            }
        }
    }

    public static void main(String[] args) throws Exception {
        OutputStream raw = new BufferedOutputStream(new FileOutputStream(FileDescriptor.out), 65536);
        PrintStream framed = new PrintStream(new BufferedOutputStream(new Framer(raw), 8192), false,
                StandardCharsets.UTF_8);
        System.setOut(framed);
        System.setErr(framed);

        String[] paths = toolPaths();
        synchronized (raw) {
            raw.write("\036avizad-buildserver 2\n".getBytes(StandardCharsets.US_ASCII));
            for (int i = 0; i < TOOLS.length; i++) {
                raw.write(("tool " + TOOLS[i] + " ").getBytes(StandardCharsets.US_ASCII));
                writeString(raw, paths[i]);
            }
            raw.write("ready\n".getBytes(StandardCharsets.US_ASCII));
            raw.flush();
        }

        // Requests are read on a thread of their own, so that the end of the input ends the
        // server even while a tool runs.
        LinkedBlockingQueue<Object> requests = new LinkedBlockingQueue<>();
        Thread reader = new Thread(() -> {
            DataInputStream in = new DataInputStream(new BufferedInputStream(System.in));
            try {
                while (true) {
                    requests.put(readRequest(in));
                }
            } catch (EOFException e) {
                Runtime.getRuntime().halt(0);
            } catch (Exception e) {
                System.err.println("buildserver: bad request: " + e);
                System.err.flush();
                Runtime.getRuntime().halt(2);
            }
        }, "requests");
        reader.setDaemon(true);
        reader.start();

        Thread heartbeat = new Thread(() -> {
            byte[] alive = "alive\n".getBytes(StandardCharsets.US_ASCII);
            while (true) {
                try {
                    Thread.sleep(1000);
                    if (busy) {
                        synchronized (raw) {
                            raw.write(alive);
                            raw.flush();
                        }
                    }
                } catch (InterruptedException | IOException e) {
                    return;
                }
            }
        }, "alive");
        heartbeat.setDaemon(true);
        heartbeat.start();

        while (true) {
            Request r = (Request) requests.take();
            int status;
            busy = true;
            try {
                status = run(r.args, paths, framed);
            } catch (VirtualMachineError e) {
                Runtime.getRuntime().halt(3);
                return;
            } catch (Throwable e) {
                e.printStackTrace(framed);
                status = 1;
            }
            framed.flush();
            synchronized (raw) {
                busy = false;
                raw.write(("end " + r.id + " " + status + "\n").getBytes(StandardCharsets.US_ASCII));
                raw.flush();
            }
        }
    }

    private static final class Request {
        String id;
        String[] args;
    }

    private static Request readRequest(DataInputStream in) throws IOException {
        String[] head = readLine(in).split(" ");
        if (head.length != 3 || !head[0].equals("run")) {
            throw new IOException("expected \"run ID ARGC\", got \"" + String.join(" ", head) + "\"");
        }
        Request r = new Request();
        r.id = head[1];
        int count = Integer.parseInt(head[2]);
        if (count < 1 || count > 100000) {
            throw new IOException("bad argument count " + count);
        }
        r.args = new String[count];
        for (int i = 0; i < count; i++) {
            int length = Integer.parseInt(readLine(in));
            if (length < 0 || length > 1 << 20) {
                throw new IOException("bad length " + length);
            }
            byte[] bytes = new byte[length];
            in.readFully(bytes);
            r.args[i] = new String(bytes, StandardCharsets.UTF_8);
        }
        return r;
    }

    private static String readLine(InputStream in) throws IOException {
        ByteArrayOutputStream line = new ByteArrayOutputStream();
        int c;
        while ((c = in.read()) != '\n') {
            if (c < 0) {
                throw new EOFException();
            }
            if (line.size() > 4096) {
                throw new IOException("line too long");
            }
            line.write(c);
        }
        return line.toString(StandardCharsets.US_ASCII);
    }

    private static void writeString(OutputStream out, String s) throws IOException {
        byte[] bytes = s.getBytes(StandardCharsets.UTF_8);
        out.write((bytes.length + "\n").getBytes(StandardCharsets.US_ASCII));
        out.write(bytes);
    }

    /** The canonical paths of the toolkit's javac, jar and preverify. */
    private static String[] toolPaths() {
        File lib = Toolkit.libDir();
        File[] files = {
            new File(lib, "../../jdk/bin/javac"),
            new File(lib, "../../jdk/bin/jar"),
            new File(lib, "../bin/preverify"),
        };
        String[] paths = new String[files.length];
        for (int i = 0; i < files.length; i++) {
            paths[i] = canonical(files[i]);
        }
        return paths;
    }

    private static String canonical(File f) {
        try {
            return f.getCanonicalPath();
        } catch (IOException e) {
            return f.getAbsolutePath();
        }
    }

    /** Runs one tool; returns its exit status. */
    private static int run(String[] args, String[] paths, PrintStream out) {
        String tool = canonical(new File(args[0]));
        String[] rest = java.util.Arrays.copyOfRange(args, 1, args.length);
        if (tool.equals(paths[0])) {
            return Javac.run(rest, out, out);
        }
        if (tool.equals(paths[1])) {
            return Jar.run(rest, out, out);
        }
        if (tool.equals(paths[2])) {
            return avizad.preverify.Preverify.run(rest, out, out);
        }
        out.println("buildserver: " + args[0] + " is not a tool of this toolkit");
        return 127;
    }
}
