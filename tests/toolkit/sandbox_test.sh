#!/bin/sh
# The emulator runs a game in a sandbox, as a phone does. The MIDlet Escape tries to reach
# beyond its suite in every way of its table (classes of Java SE or of the emulator, classes of
# the jar in the platform's packages, a class compiled against Java SE that runs a program from
# its static block, a class whose instruction takes a method from a constant of another kind,
# files outside the jar, exit, the desktop's properties): each attempt is refused and the game
# goes on; a refused class is named on standard error with what it names, and none of its code
# runs.
# Usage: sandbox_test.sh TOOLKIT_DIR TEST_SOURCE_DIR ECJ JAVA ASM_JAR WORK_DIR
set -u
tk=$1
src=$2/sandbox
ecj=$3
java_se=$4
asm=$5
work=$6
jdk=$tk/jdk
wtk=$tk/wtk
cp="$wtk/lib/cldcapi11.jar:$wtk/lib/midpapi20.jar"

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work/se" "$work/classes" || fail "cannot create $work"
cd "$work" || fail "cannot enter $work"

# Classes a jar from elsewhere may carry: compiled against Java SE, one for Java 8.
"$ecj" -source 1.3 -nowarn -d se "$src/Evil.java" "$src/Direct.java" "$src/Foo.java" \
    "$src/Sneak.java" || fail "ecj could not compile the classes of Java SE"
"$ecj" -1.8 -proc:none -nowarn -d se "$src/Modern.java" || fail "ecj could not compile Modern"
"$ecj" -1.8 -proc:none -nowarn -cp "$asm" -d make "$src/MakeLaunder.java" &&
    "$java_se" -cp "$asm:make" MakeLaunder se || fail "cannot make Launder.class"
"$jdk/bin/javac" -source 1.3 -classpath "$cp:se" -d classes "$src/Escape.java" ||
    fail "javac refused Escape.java"
cp -R se/. classes/ && echo "the game's data" > classes/data.txt
printf '%s\n' "MIDlet-1: Escape, , Escape" "MIDlet-Name: Escape" "MIDlet-Vendor: Tests" \
    "MIDlet-Version: 1.0" "MicroEdition-Profile: MIDP-2.0" \
    "MicroEdition-Configuration: CLDC-1.1" > MANIFEST.MF
"$jdk/bin/jar" cfm escape.jar MANIFEST.MF -C classes . || fail "cannot make the jar"

"$wtk/bin/emulator" --headless --timeout 60 escape.jar > out.txt 2> err.txt ||
    fail "the emulator did not end normally (status $?): $(cat out.txt err.txt)"
diff "$src/expected.txt" out.txt > diff.txt || fail "attempts not refused: $(cat diff.txt)"
grep -q "class Evil of the MIDlet suite refused: .*NoClassDefFoundError: class Evil uses method java.lang.Runtime.exec(java.lang.String\[\])" \
    err.txt || fail "the refusal of Evil was not named: $(cat err.txt)"
grep -q "class Direct of the MIDlet suite refused: .*class Direct uses class java.io.File" \
    err.txt || fail "the refusal of Direct was not named: $(cat err.txt)"
sleep 1 # a program Evil started would have left its mark by now
[ ! -e EVIL-RAN ] || fail "Evil's static block ran a program"
echo "ok"
