#!/bin/sh
# The class data sharing archive of the emulator, made when the toolkit is built:
#   emulator-training.sh JAVA "OPTIONS" CLASSPATH JAR ARCHIVE
# runs the emulator (with the Java OPTIONS of its script) once on JAR until the game's first frame is on screen (in a window on a
# virtual display when xvfb-run is there, else headless, which leaves the window's classes
# out) and dumps the classes it loaded into ARCHIVE. When neither run works, ARCHIVE is
# empty and the emulator starts without one.
set -u
java=$1
opts=$2
cp=$3
jar=$4
archive=$5
rm -f "$archive"
if command -v xvfb-run > /dev/null 2>&1; then
    frame="$archive.frame"
    rm -f "$frame"
    # shellcheck disable=SC2016
    AVIZAD_EMULATOR_FIRST_FRAME="$frame" timeout 120 xvfb-run -a sh -c '
        "$1" $2 -XX:ArchiveClassesAtExit="$3" -Djava.awt.headless=false -cp "$4" \
            avizad.emulator.Main "$5" > /dev/null 2>&1 &
        pid=$!
        tries=0
        while [ ! -f "$6" ] && kill -0 $pid 2> /dev/null && [ $tries -lt 600 ]; do
            sleep 0.1
            tries=$((tries + 1))
        done
        sleep 1
        kill -TERM $pid
        wait $pid' training "$java" "$opts" "$archive" "$cp" "$jar" "$frame" > /dev/null 2>&1
    rm -f "$frame"
fi
if [ ! -s "$archive" ]; then
    rm -f "$archive"
    # shellcheck disable=SC2086
    "$java" $opts -XX:ArchiveClassesAtExit="$archive" -Djava.awt.headless=true -cp "$cp" \
        avizad.emulator.Main --headless --frames 5 --timeout 60 "$jar" > /dev/null 2>&1
fi
[ -s "$archive" ] || : > "$archive"
exit 0
