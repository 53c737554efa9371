package avizad.emulator;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import java.util.Locale;

/**
 * The key script of a headless run: one event per line, "FRAME press|release|tap KEY", where FRAME
 * is the number of frames shown before the event happens, KEY a key name of {@link Keys} or a key
 * code. "tap" presses the key and releases it one frame later. Blank lines and lines starting with
 * '#' are ignored.
 */
public final class KeyScript {
    /** One key event: the frame it waits for, pressed or released, the key code. */
    public static final class Event {
        public final long frame;
        public final boolean press;
        public final int code;

        Event(long frame, boolean press, int code) {
            this.frame = frame;
            this.press = press;
            this.code = code;
        }
    }

    private final List<Event> events = new ArrayList<>();
    private int next;

    public static KeyScript read(Path file) throws IOException {
        return parse(Files.readAllLines(file, StandardCharsets.UTF_8), file.toString());
    }

    public static KeyScript parse(List<String> lines, String name) {
        KeyScript s = new KeyScript();
        int lineNo = 0;
        for (String raw : lines) {
            lineNo++;
            String line = raw.strip();
            if (line.isEmpty() || line.startsWith("#")) {
                continue;
            }
            String[] f = line.split("\\s+");
            String where = name + ":" + lineNo + ": ";
            if (f.length != 3) {
                throw new IllegalArgumentException(where + "expected FRAME ACTION KEY, got: "
                        + line);
            }
            long frame;
            try {
                frame = Long.parseLong(f[0]);
            } catch (NumberFormatException e) {
                throw new IllegalArgumentException(where + "bad frame number: " + f[0]);
            }
            if (frame < 0) {
                throw new IllegalArgumentException(where + "negative frame number: " + f[0]);
            }
            Integer code = Keys.codeOf(f[2]);
            if (code == null) {
                throw new IllegalArgumentException(where + "unknown key: " + f[2]);
            }
            switch (f[1].toLowerCase(Locale.ROOT)) {
                case "press":
                    s.events.add(new Event(frame, true, code));
                    break;
                case "release":
                    s.events.add(new Event(frame, false, code));
                    break;
                case "tap":
                    s.events.add(new Event(frame, true, code));
                    s.events.add(new Event(frame + 1, false, code));
                    break;
                default:
                    throw new IllegalArgumentException(where + "unknown action: " + f[1]);
            }
        }
        s.events.sort((a, b) -> Long.compare(a.frame, b.frame)); // stable: keeps line order
        return s;
    }

    /** The events due once `frames` frames have been shown, removed from the script. */
    public List<Event> due(long frames) {
        List<Event> out = new ArrayList<>();
        while (next < events.size() && events.get(next).frame <= frames) {
            out.add(events.get(next++));
        }
        return out;
    }

    /** The events of the next frame that has any, however far ahead. */
    public List<Event> nextGroup() {
        if (next >= events.size()) {
            return new ArrayList<>();
        }
        return due(events.get(next).frame);
    }

    public boolean isEmpty() {
        return next >= events.size();
    }
}
