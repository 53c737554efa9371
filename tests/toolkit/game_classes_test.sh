#!/bin/sh
# Runs the Java unit tests of the emulator's lcdui.game classes on Java SE.
# Usage: game_classes_test.sh TOOLKIT_DIR TEST_SOURCE_DIR JAVAC JAVA WORK_DIR
set -u
tk=$1
src=$2
javac_se=$3
java_se=$4
work=$5
rm -rf "$work"
mkdir -p "$work" || exit 1
"$javac_se" -d "$work" -cp "$tk/wtk/lib/emulator.jar" "$src/java/GameTests.java" || exit 1
exec "$java_se" -Djava.awt.headless=true -cp "$work:$tk/wtk/lib/emulator.jar" GameTests
