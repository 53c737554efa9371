#!/bin/sh
# javac reads sources as Windows-1251 unless told otherwise, and the tools find files whose
# names are not ASCII whatever the locale. A class that uses an API outside
# CLDC 1.1 / MIDP 2.0 is refused: by javac at compile time, and by preverify (naming the class
# and the member) when it was compiled against Java SE. A class file above version 48 is
# refused by preverify as well. A class file that cannot be written fails the compile with
# the compiler's message. jar writes the archive beside its target, never in the system's
# temporary folder, and a write that fails is one line of message, with nothing left behind.
# Usage: tools_test.sh TOOLKIT_DIR TEST_SOURCE_DIR ECJ JAVA WORK_DIR
set -u
tk=$1
src=$2
ecj=$3
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
mkdir -p "$work/in" "$work/new" || fail "cannot create $work"
cd "$work" || fail "cannot enter $work"

# "Счёт" in Windows-1251: four letters, the first U+0421 (1057). The folder's name is not ASCII
# and the locale is not UTF-8: the tools still find the files.
mkdir -p "$work/Папка" || fail "cannot create a folder"
printf 'public class Enc { public static void main(String[] a) { String s = "\321\367\270\362";
System.out.println(s.length() + " " + (int) s.charAt(0)); } }\n' > "$work/Папка/Enc.java"
LC_ALL=C "$jdk/bin/javac" -source 1.3 -classpath "$cp" -d "$work/Папка/out" "$work/Папка/Enc.java" \
    || fail "javac refused Enc.java"
LC_ALL=C "$wtk/bin/preverify" -classpath "$cp" -d "$work/Папка/pre" "$work/Папка/out" \
    || fail "preverify refused Enc.class"
[ "$(LC_ALL=C.UTF-8 "$java_se" -cp "$work/Папка/pre" Enc)" = "4 1057" ] \
    || fail "javac did not read the source as Windows-1251"

if "$jdk/bin/javac" -source 1.3 -classpath "$cp" -d in "$src/bad/Bad.java" > javac.out 2>&1; then
    fail "javac compiled String.format"
fi
grep -q "format" javac.out || fail "javac did not name the method: $(cat javac.out)"

# Compiled against Java SE, the class reaches the preverifier.
"$ecj" -source 1.3 -nowarn -d in "$src/bad/Bad.java" || fail "ecj could not compile Bad.java"
if "$wtk/bin/preverify" -classpath "$cp" -d out in > preverify.out 2>&1; then
    fail "preverify accepted String.format"
fi
grep -q "class Bad uses method java.lang.String.format(java.lang.String,java.lang.Object\[\])" \
    preverify.out || fail "preverify did not name class and member: $(cat preverify.out)"
[ ! -e out/Bad.class ] || fail "preverify wrote the refused class"

printf 'public class New { int f(int x) { return x > 0 ? x : -x; } }\n' > New.java
"$ecj" -1.8 -proc:none -nowarn -d new New.java || fail "ecj could not compile New.java"
if "$wtk/bin/preverify" -classpath "$cp" -d out new > new.out 2>&1; then
    fail "preverify accepted a class of version 52"
fi
grep -q "class file version 52" new.out || fail "no version message: $(cat new.out)"
# A full disk while compiling: the class file leads to /dev/full.
mkdir -p full
printf 'public class Full { }\n' > Full.java
ln -s /dev/full full/Full.class
if "$jdk/bin/javac" -source 1.3 -classpath "$cp" -d full Full.java > full.out 2>&1; then
    fail "javac reported success although it could not write its class file: $(cat full.out)"
fi
grep -q "No .class file created.*No space left on device" full.out ||
    fail "javac did not give the compiler's message: $(cat full.out)"

# The archiver's files, seen as they are written.
"$ecj" -1.8 -proc:none -nowarn -cp "$wtk/lib/buildtools.jar" -d check "$src/java/JarTempCheck.java" ||
    fail "cannot compile JarTempCheck"
mkdir -p jartmp
"$java_se" -Djava.security.manager=allow -Djava.io.tmpdir="$work/jartmp" \
    -cp "$wtk/lib/buildtools.jar:check" JarTempCheck "$work/jar" > jartemp.out 2>&1 ||
    fail "jar's files: $(grep -v WARNING jartemp.out)"

# No room for the archive (the file size limit stands for a full disk): one line of
# message, and nothing left beside the archive or in the temporary folder.
mkdir -p big
head -c 300000 /dev/urandom > big/noise.bin
if (ulimit -f 100; exec "$java_se" -Djava.io.tmpdir="$work/jartmp" -cp "$wtk/lib/buildtools.jar" \
        avizad.buildtools.Jar cf "$work/big/big.jar" -C big ./noise.bin) > jarfull.out 2>&1; then
    fail "jar made an archive beyond the file size limit"
fi
grep -q "cannot write .*big.jar: File too large" jarfull.out ||
    fail "jar did not say why: $(cat jarfull.out)"
! grep -q "	at " jarfull.out || fail "jar printed a stack trace: $(cat jarfull.out)"
[ "$(ls big)" = noise.bin ] || fail "jar left a file beside the archive: $(ls big)"
[ -z "$(ls jartmp)" ] || fail "jar left a file in the temporary folder: $(ls jartmp)"
echo "ok"
