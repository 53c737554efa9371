#!/bin/sh
# The emulator's virtual clock and threads in a headless run: sleeping, Thread subclasses
# (start, isAlive, join, currentThread), Object.wait and notify, java.util.Timer, new Date() and
# new Random() give the same output on every run, matching the expected lines; a game loop that
# never sleeps still gets its key events, and one that flushes inside a synchronized block does
# not stall.
# Usage: clock_test.sh TOOLKIT_DIR TEST_SOURCE_DIR WORK_DIR
set -u
tk=$1
src=$2
work=$3
cp="$tk/wtk/lib/cldcapi11.jar:$tk/wtk/lib/midpapi20.jar"

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work/tmpclasses" "$work/classes" || fail "cannot create $work"
cd "$work" || fail "cannot enter $work"
"$tk/jdk/bin/javac" -source 1.3 -classpath "$cp" -d tmpclasses "$src/clock/ClockMidlet.java" \
    "$src/clock/LoopMidlet.java" || fail "javac"
"$tk/wtk/bin/preverify" -classpath "$cp" -d classes tmpclasses || fail "preverify"
printf 'MIDlet-1: Clock, , ClockMidlet\r\nMIDlet-Name: Clock\r\nMIDlet-Vendor: Avizad\r\n' > MANIFEST.MF
"$tk/jdk/bin/jar" cfm clock.jar MANIFEST.MF -C classes . || fail "jar"
"$tk/wtk/bin/emulator" --headless --timeout 60 clock.jar > out.txt 2> err.txt \
    || fail "the emulator failed: $(cat err.txt)"
diff "$src/clock/expected.txt" out.txt || fail "the MIDlet saw another clock"

loop() {
    printf 'MIDlet-1: Loop, , LoopMidlet\r\nMIDlet-Name: Loop\r\nMIDlet-Vendor: Avizad\r\n%b' "$1" \
        > LOOP.MF
    "$tk/jdk/bin/jar" cfm loop.jar LOOP.MF -C classes . || fail "jar"
    "$tk/wtk/bin/emulator" --headless --timeout 60 --keys "$src/clock/loop-keys.txt" loop.jar \
        2> loop-err.txt || fail "the loop MIDlet failed: $(cat loop-err.txt)"
}
[ "$(loop '')" = "loop without sleep x 80" ] || fail "keys did not reach a loop without sleep"
[ "$(loop 'Loop-Sleeps: yes\r\n')" = "synchronized loop x 80" ] || fail "synchronized loop"
echo "ok"
