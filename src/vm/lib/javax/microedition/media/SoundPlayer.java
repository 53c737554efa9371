package javax.microedition.media;

import avizad.emulator.EventLoop;
import avizad.emulator.VM;
import java.util.Vector;
import javax.microedition.media.control.ToneControl;
import javax.microedition.media.control.VolumeControl;

/**
 * A player of sampled sound (wav) and MIDI: it goes through its states on the machine's clock
 * and hands the sound to the machine's host to play.
 */
final class SoundPlayer implements Player, VolumeControl, ToneControl {
    private final byte[] data;
    private final String type;
    private final Vector listeners = new Vector();
    private int state = UNREALIZED;
    private int loops = 1;
    private int level = 100;
    private boolean muted;
    private long duration = TIME_UNKNOWN;
    private long startedAt;
    private long mediaTime;
    private int generation;
    private static int players;
    private final int id = ++players;

    SoundPlayer(byte[] data, String type) {
        this.data = data;
        this.type = type;
    }

    static String guessType(byte[] d) {
        if (d.length >= 4 && d[0] == 'R' && d[1] == 'I' && d[2] == 'F' && d[3] == 'F') {
            return "audio/x-wav";
        }
        if (d.length >= 4 && d[0] == 'M' && d[1] == 'T' && d[2] == 'h' && d[3] == 'd') {
            return "audio/midi";
        }
        return "application/octet-stream";
    }

    private boolean isMidi() {
        return type.indexOf("mid") >= 0;
    }

    private boolean isWav() {
        return type.indexOf("wav") >= 0;
    }

    private void checkOpen() {
        if (state == CLOSED) {
            throw new IllegalStateException("the player is closed");
        }
    }

    private void send(final String event, final Object value) {
        Vector copy = new Vector();
        synchronized (listeners) {
            for (int i = 0; i < listeners.size(); i++) {
                copy.addElement(listeners.elementAt(i));
            }
        }
        for (int i = 0; i < copy.size(); i++) {
            final PlayerListener l = (PlayerListener) copy.elementAt(i);
            EventLoop.post(new Runnable() {
                public void run() {
                    l.playerUpdate(SoundPlayer.this, event, value);
                }
            });
        }
    }

    /** Duration in microseconds of a PCM wav file; TIME_UNKNOWN when it cannot be read. */
    private long wavDuration() {
        if (data.length < 44) {
            return TIME_UNKNOWN;
        }
        int p = 12;
        long byteRate = 0;
        while (p + 8 <= data.length) {
            int size = (data[p + 4] & 0xFF) | (data[p + 5] & 0xFF) << 8 | (data[p + 6] & 0xFF) << 16
                    | (data[p + 7] & 0xFF) << 24;
            String id = new String(new char[] {(char) (data[p] & 0xFF), (char) (data[p + 1] & 0xFF),
                    (char) (data[p + 2] & 0xFF), (char) (data[p + 3] & 0xFF)});
            if (id.equals("fmt ") && p + 20 <= data.length) {
                byteRate = (data[p + 16] & 0xFFL) | (data[p + 17] & 0xFFL) << 8
                        | (data[p + 18] & 0xFFL) << 16 | (data[p + 19] & 0xFFL) << 24;
            } else if (id.equals("data") && byteRate > 0) {
                long bytes = Math.min(size & 0xFFFFFFFFL, data.length - p - 8);
                return bytes * 1000000L / byteRate;
            }
            if (size < 0) {
                break;
            }
            p += 8 + size + (size & 1);
        }
        return TIME_UNKNOWN;
    }

    @Override
    public synchronized void realize() throws MediaException {
        checkOpen();
        if (state >= REALIZED) {
            return;
        }
        if (isWav()) {
            duration = wavDuration();
        }
        state = REALIZED;
    }

    @Override
    public synchronized void prefetch() throws MediaException {
        checkOpen();
        realize();
        if (state >= PREFETCHED) {
            return;
        }
        state = PREFETCHED;
    }

    @Override
    public synchronized void start() throws MediaException {
        checkOpen();
        prefetch();
        if (state == STARTED) {
            return;
        }
        state = STARTED;
        startedAt = VM.currentTimeMillis();
        final int gen = ++generation;
        avizad.vm.VM.playSound(id, data, type, loops, mediaTime);
        send(PlayerListener.STARTED, Long.valueOf(mediaTime));
        if (duration > 0 && loops > 0) {
            final long remaining = (duration * loops - mediaTime) / 1000;
            VM.startSystemThread(new Runnable() {
                public void run() {
                    endLater(gen, remaining);
                }
            }, "Player");
        }
    }

    private void endLater(int gen, long millis) {
        try {
            VM.sleep(Math.max(0, millis));
        } catch (InterruptedException e) {
            return;
        }
        synchronized (this) {
            if (gen != generation || state != STARTED) {
                return;
            }
            stopDevice();
            state = PREFETCHED;
            mediaTime = 0;
        }
        send(PlayerListener.END_OF_MEDIA, Long.valueOf(duration));
    }

    private void stopDevice() {
        avizad.vm.VM.stopSound(id);
    }

    @Override
    public synchronized void stop() throws MediaException {
        checkOpen();
        if (state != STARTED) {
            return;
        }
        mediaTime = getMediaTime();
        generation++;
        stopDevice();
        state = PREFETCHED;
        send(PlayerListener.STOPPED, Long.valueOf(mediaTime));
    }

    @Override
    public synchronized void deallocate() {
        checkOpen();
        if (state == STARTED) {
            try {
                stop();
            } catch (MediaException e) {
                // stopping a started player does not fail
            }
        }
        if (state >= PREFETCHED) {
            state = REALIZED;
        }
    }

    @Override
    public synchronized void close() {
        if (state == CLOSED) {
            return;
        }
        generation++;
        stopDevice();
        state = CLOSED;
        send(PlayerListener.CLOSED, null);
    }

    @Override
    public synchronized long setMediaTime(long now) throws MediaException {
        checkOpen();
        if (state == UNREALIZED) {
            throw new IllegalStateException("the player is not realized");
        }
        long t = Math.max(0, now);
        if (duration > 0) {
            t = Math.min(t, duration);
        }
        mediaTime = t;
        if (state == STARTED) {
            startedAt = VM.currentTimeMillis();
        }
        return t;
    }

    @Override
    public synchronized long getMediaTime() {
        if (state == CLOSED) {
            return TIME_UNKNOWN;
        }
        if (state != STARTED) {
            return mediaTime;
        }
        long t = mediaTime + (VM.currentTimeMillis() - startedAt) * 1000;
        return duration > 0 ? t % duration : t;
    }

    @Override
    public synchronized int getState() {
        return state;
    }

    @Override
    public synchronized long getDuration() {
        checkOpen();
        return duration;
    }

    @Override
    public String getContentType() {
        checkOpen();
        return type;
    }

    @Override
    public synchronized void setLoopCount(int count) {
        checkOpen();
        if (count == 0) {
            throw new IllegalArgumentException("loop count 0");
        }
        if (state == STARTED) {
            throw new IllegalStateException("the player is started");
        }
        loops = count;
    }

    @Override
    public void addPlayerListener(PlayerListener l) {
        checkOpen();
        if (l != null) {
            synchronized (listeners) {
                listeners.addElement(l);
            }
        }
    }

    @Override
    public void removePlayerListener(PlayerListener l) {
        checkOpen();
        synchronized (listeners) {
            listeners.removeElement(l);
        }
    }

    @Override
    public Control[] getControls() {
        checkOpen();
        return new Control[] {this};
    }

    @Override
    public Control getControl(String controlType) {
        checkOpen();
        if (controlType == null) {
            throw new IllegalArgumentException();
        }
        if (controlType.equals("VolumeControl")
                || controlType.equals("javax.microedition.media.control.VolumeControl")) {
            return this;
        }
        if (type.equals("audio/x-tone-seq") && (controlType.equals("ToneControl")
                || controlType.equals("javax.microedition.media.control.ToneControl"))) {
            return this;
        }
        return null;
    }

    @Override
    public synchronized void setMute(boolean mute) {
        muted = mute;
        send(PlayerListener.VOLUME_CHANGED, this);
    }

    @Override
    public synchronized boolean isMuted() {
        return muted;
    }

    @Override
    public synchronized int setLevel(int level) {
        this.level = Math.max(0, Math.min(100, level));
        send(PlayerListener.VOLUME_CHANGED, this);
        return this.level;
    }

    @Override
    public synchronized int getLevel() {
        return level;
    }

    @Override
    public void setSequence(byte[] sequence) {
        if (sequence == null || sequence.length < 2 || sequence[0] != VERSION) {
            throw new IllegalArgumentException("bad tone sequence");
        }
        if (state >= PREFETCHED) {
            throw new IllegalStateException("the player is prefetched");
        }
    }
}
