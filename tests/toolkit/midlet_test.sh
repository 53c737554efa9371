#!/bin/sh
# Builds the test MIDlet with the toolkit's command lines as the game build sends them, checks
# its class files, runs it headless twice and compares the screenshot with the expected pixels,
# then checks that an exception escaping the MIDlet ends the emulator with a failure status.
# Usage: midlet_test.sh TOOLKIT_DIR TEST_SOURCE_DIR JAVAC JAVA WORK_DIR
set -u
tk=$1
src=$2
javac_se=$3
java_se=$4
work=$5
jdk=$tk/jdk
wtk=$tk/wtk
cp="$wtk/lib/cldcapi11.jar:$wtk/lib/midpapi20.jar"

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work/System/src" "$work/System/res" "$work/System/bin" "$work/System/classes" \
    "$work/System/tmpclasses" "$work/check" || fail "cannot create $work"
cp "$src/midlet/TestMidlet.java" "$src/midlet/TestCanvas.java" "$work/System/src/"
cp "$src/midlet/tiles.png" "$work/System/res/"
cp "$src/midlet/MANIFEST.MF" "$work/MANIFEST.MF"
cd "$work" || fail "cannot enter $work"

# The build's commands, run from the program folder.
"$jdk/bin/javac" -source 1.3 -classpath "$cp" -d System/tmpclasses "$work"/System/src/*.java \
    || fail "javac refused the test MIDlet"
"$wtk/bin/preverify" -classpath "$cp" -d System/classes System/tmpclasses \
    || fail "preverify refused the test MIDlet"
cp System/res/*.png . && cp System/classes/*.class . || fail "copying classes and resources"
# No *.txt or *.mid files here, and the manifest is named MANIFEST.MF: jar must cope with both.
"$jdk/bin/jar" cmf MANIFEST.mf "$work/System/bin/Test.jar" *.class *.png *.txt *.mid \
    || fail "jar did not build the archive"
listing=$("$jdk/bin/jar" tf System/bin/Test.jar) || fail "cannot list the archive"
for entry in META-INF/MANIFEST.MF TestMidlet.class TestCanvas.class tiles.png; do
    printf '%s\n' "$listing" | grep -qx "$entry" || fail "the archive lacks $entry"
done

"$javac_se" -d check "$src/java/ToolkitCheck.java" || fail "cannot compile ToolkitCheck"
"$java_se" -cp check ToolkitCheck classes System/classes TestCanvas.run TestMidlet.startApp \
    || fail "class file checks"

run() {
    "$wtk/bin/emulator" --headless --frames "$2" --keys "$src/midlet/keys.txt" \
        --screenshot "$1" --timeout 60 System/bin/Test.jar
}
run early.png 4 || fail "the emulator failed (status $?)"
"$java_se" -Djava.awt.headless=true -cp check ToolkitCheck pixels early.png \
    "$src/midlet/expected-early.txt" || fail "the early screenshot differs from the expected pixels"
run shot1.png 20 || fail "the emulator failed (status $?)"
"$java_se" -Djava.awt.headless=true -cp check ToolkitCheck pixels shot1.png \
    "$src/midlet/expected.txt" || fail "the screenshot differs from the expected pixels"
run shot2.png 20 || fail "the second run failed"
cmp -s shot1.png shot2.png || fail "two runs with the same keys gave different pictures"

# Phone profiles: a smaller screen has smaller fonts, a larger one larger fonts; a size
# without a profile takes the fonts of the nearest one.
fonts() {
    "$wtk/bin/emulator" --headless --frames 1 --size "$1" --timeout 60 System/bin/Test.jar \
        | grep '^phone ' || fail "no font heights at $1"
}
f128=$(fonts 128x160)
f240=$(fonts 240x320)
f360=$(fonts 360x640)
f350=$(fonts 350x600)
fdefault=$("$wtk/bin/emulator" --headless --frames 1 --timeout 60 System/bin/Test.jar | grep '^phone ')
[ "$f240" = "$fdefault" ] || fail "240x320 is not the default screen: $fdefault / $f240"
set -- $f128; s128=$2; l128=$4
set -- $f240; s240=$2; l240=$4
set -- $f360; s360=$2; l360=$4
[ "$s128" -lt "$s240" ] && [ "$s240" -lt "$s360" ] && [ "$l128" -lt "$l240" ] \
    && [ "$l240" -lt "$l360" ] || fail "font heights do not follow the screens: $f128 / $f240 / $f360"
[ "$f350" = "$f360" ] || fail "350x600 does not take the fonts of 360x640: $f350"

printf '3 press #\n' > throw.txt
"$wtk/bin/emulator" --headless --frames 50 --keys throw.txt --timeout 60 System/bin/Test.jar \
    > throw.out 2>&1
status=$?
[ $status -ne 0 ] || fail "an exception escaping the MIDlet gave status 0"
grep -q "test exception requested" throw.out || fail "the exception was not printed: $(cat throw.out)"
grep -q "TestCanvas.keyPressed" throw.out || fail "no stack trace: $(cat throw.out)"
# A key script with a mistake is refused before the MIDlet starts, naming the line.
printf '1 press RIGHT\n2 push LEFT\n' > bad-keys.txt
"$wtk/bin/emulator" --headless --frames 5 --keys bad-keys.txt System/bin/Test.jar > bad-keys.out 2>&1
status=$?
[ $status -eq 2 ] || fail "a bad key script gave status $status"
grep -q "bad-keys.txt:2: unknown action: push" bad-keys.out || fail "no message: $(cat bad-keys.out)"
echo "ok"
