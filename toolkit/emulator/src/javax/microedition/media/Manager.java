package javax.microedition.media;

import java.io.IOException;
import java.io.InputStream;

/** Creates players. */
public final class Manager {
    public static final String TONE_DEVICE_LOCATOR = "device://tone";

    private static final String[] TYPES = {"audio/x-wav", "audio/wav", "audio/midi", "audio/mid",
            "audio/x-midi", "audio/mpeg", "audio/x-tone-seq"};

    private Manager() {}

    public static String[] getSupportedContentTypes(String protocol) {
        if (protocol == null || protocol.equals("device")) {
            return TYPES.clone();
        }
        return new String[0];
    }

    public static String[] getSupportedProtocols(String contentType) {
        if (contentType == null) {
            return new String[] {"device"};
        }
        for (int i = 0; i < TYPES.length; i++) {
            if (TYPES[i].equals(contentType)) {
                return new String[] {"device"};
            }
        }
        return new String[0];
    }

    public static Player createPlayer(String locator) throws IOException, MediaException {
        if (locator == null) {
            throw new IllegalArgumentException("no locator");
        }
        if (locator.equals(TONE_DEVICE_LOCATOR)) {
            return new SoundPlayer(new byte[0], "audio/x-tone-seq");
        }
        throw new MediaException("the emulator cannot play " + locator);
    }

    public static Player createPlayer(InputStream stream, String type)
            throws IOException, MediaException {
        if (stream == null) {
            throw new IllegalArgumentException("no stream");
        }
        byte[] data = stream.readAllBytes();
        String t = type;
        if (t == null) {
            t = SoundPlayer.guessType(data);
        }
        return new SoundPlayer(data, t);
    }

    public static void playTone(int note, int duration, int volume) throws MediaException {
        if (note < 0 || note > 127 || duration <= 0) {
            throw new IllegalArgumentException("bad tone");
        }
    }
}
