#!/bin/sh
# Plays the test MIDlet (built by the toolkit.midlet test) in the emulator's window on a
# virtual X display: the picture appears, the arrow keys and Enter reach the game.
# Skipped (status 77) without xvfb-run.
# Usage: window_test.sh TOOLKIT_DIR TEST_SOURCE_DIR JAVAC JAVA MIDLET_WORK_DIR WORK_DIR
set -u
tk=$1
src=$2
javac_se=$3
java_se=$4
midlet=$5
work=$6
command -v xvfb-run > /dev/null 2>&1 || { echo "xvfb-run is not installed"; exit 77; }
[ -f "$midlet/System/bin/Test.jar" ] || { echo "FAIL: run the toolkit.midlet test first"; exit 1; }
rm -rf "$work"
mkdir -p "$work" || exit 1
"$javac_se" -d "$work" "$src/java/WindowCheck.java" || exit 1
cat > "$work/play.sh" <<EOF
"$tk/wtk/bin/emulator" "$midlet/System/bin/Test.jar" > "$work/emulator.log" 2>&1 &
emulator=\$!
"$java_se" -cp "$work" WindowCheck
status=\$?
kill \$emulator
exit \$status
EOF
xvfb-run -a -s "-screen 0 640x480x24" sh "$work/play.sh"
