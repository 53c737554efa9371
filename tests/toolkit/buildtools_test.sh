#!/bin/sh
# The toolkit's compiler with the engine cache gives what compiling everything together
# gives: the same class files when the engine comes from the cache, the compiler's errors
# when a class the engine uses has changed what the engine sees of it, and the game's own
# class where one shadows a library class the engine names. A damaged entry (a class cut
# short, emptied or replaced) is compiled afresh and replaced, and the cache never deletes
# through a symbolic link. The build process answers a request with the tool's output and
# status, and ends when its input ends.
# Usage: buildtools_test.sh TOOLKIT_DIR WORK_DIR
set -u
tk=$1
work=$2
jdk=$tk/jdk
wtk=$tk/wtk
cp="$wtk/lib/cldcapi11.jar:$wtk/lib/midpapi20.jar"

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work/src" || fail "cannot create $work"
cd "$work" || fail "cannot enter $work"

cat > src/Engine.java <<'JAVA'
import java.util.*;
public abstract class Engine {
    protected final Game game;
    private final Random random = new Random();
    protected Engine(Game g) { game = g; }
    public int step() { return game.value() + random.nextInt(); }
    protected abstract void events();
}
JAVA
cat > src/Game.java <<'JAVA'
public class Game {
    private int level;
    public int value() { return level; }
}
JAVA
cat > src/Level.java <<'JAVA'
public class Level extends Engine {
    public Level(Game g) { super(g); }
    protected void events() { step(); }
}
JAVA

# Compiles src/*.java into $1: plain, or with the engine cache when $2 is "cache".
compile() {
    rm -rf "$1" && mkdir -p "$1"
    if [ "${2:-}" = cache ]; then
        "$jdk/bin/javac" -source 1.3 -classpath "$cp" --engine-cache cache --engine Engine.java \
            -d "$1" src/*.java > "$1.log" 2>&1
    else
        "$jdk/bin/javac" -source 1.3 -classpath "$cp" -d "$1" src/*.java > "$1.log" 2>&1
    fi
}

compile plain || fail "plain compile: $(cat plain.log)"
compile first cache || fail "first cached compile: $(cat first.log)"
compile second cache || fail "second cached compile: $(cat second.log)"
diff -r plain first > /dev/null || fail "the compile that filled the cache differs"
diff -r plain second > /dev/null || fail "the classes from the cache differ"
[ "$(ls cache | wc -l)" = 1 ] || fail "not one cache entry: $(ls cache)"

# A change in what the engine does not see keeps the cache; the classes still match.
sed -i 's/private int level;/private int level; private int other;/' src/Game.java
compile plain || fail "plain compile: $(cat plain.log)"
compile second cache || fail "cached compile: $(cat second.log)"
diff -r plain second > /dev/null || fail "classes differ after a private change"

# The engine's method is gone from Game: the cached engine must not hide the error.
sed -i 's/public int value()/public int worth()/' src/Game.java
compile plain && fail "plain compile accepted a missing method"
compile second cache && fail "cached compile accepted a missing method"
[ "$(cat plain.log)" = "$(cat second.log)" ] ||
    fail "the errors differ: $(cat plain.log) / $(cat second.log)"
grep -q "value" second.log || fail "no error about value(): $(cat second.log)"
sed -i 's/public int worth()/public int value()/' src/Game.java

# A class of the game named like a library class the engine uses takes its place.
cat > src/Random.java <<'JAVA'
public class Random { public int nextInt() { return 4; } }
JAVA
compile plain || fail "plain compile: $(cat plain.log)"
compile second cache || fail "cached compile: $(cat second.log)"
diff -r plain second > /dev/null || fail "the engine kept java.util.Random"
rm src/Random.java

# A damaged class in the cache is never taken: the compile gives the classes of a whole
# compile and the entry is made again.
compile plain || fail "plain compile: $(cat plain.log)"
sed 's/random.nextInt()/random.nextInt() + 1/' src/Engine.java > other-engine.java
mkdir -p other && cp other-engine.java other/Engine.java && cp src/Game.java other/ &&
    "$jdk/bin/javac" -source 1.3 -classpath "$cp" -d other other/*.java > other.log 2>&1 ||
    fail "the other engine does not compile: $(cat other.log)"
for damage in truncated emptied replaced; do
    compile second cache || fail "cached compile: $(cat second.log)"
    cached=$(ls -d cache/*/classes/Engine.class)
    case $damage in
        truncated) head -c 100 plain/Engine.class > "$cached" ;;
        emptied) : > "$cached" ;;
        replaced) cp other/Engine.class "$cached" ;;
    esac
    compile damaged cache || fail "$damage cache: the compile failed: $(cat damaged.log)"
    diff -r plain damaged > /dev/null || fail "$damage cache: the classes differ"
    cmp -s plain/Engine.class "$cached" || fail "$damage cache: the entry was not made again"
    compile again cache || fail "$damage cache: the next compile failed: $(cat again.log)"
    diff -r plain again > /dev/null || fail "$damage cache: the next classes differ"
done

# A cache folder that is a link is not used, and nothing it points to is deleted.
keys="0 1 2 3 4 5 6 7 8 9"
mkdir -p photos
for k in $keys; do
    mkdir "photos/album$k" && echo "picture $k" > "photos/album$k/p.png"
done
ln -s photos linked-cache
"$jdk/bin/javac" -source 1.3 -classpath "$cp" --engine-cache linked-cache --engine Engine.java \
    -d viaLink src/*.java > viaLink.log 2>&1 || fail "compile with a linked cache: $(cat viaLink.log)"
for k in $keys; do
    [ -f "photos/album$k/p.png" ] || fail "a file behind the linked cache folder was deleted"
done
[ "$(ls photos | wc -l)" = 10 ] || fail "the linked cache folder was written: $(ls photos)"

# An entry that is a link, the oldest one, is pruned as a link: what it points to stays.
rm -rf cache && mkdir -p cache precious
echo keep > precious/file && touch -d 2001-01-01 precious
hex=0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcde
for k in $keys; do
    mkdir "cache/$hex$k" && touch -d 2020-01-0$((k % 9 + 1)) "cache/$hex$k"
done
rm -r "cache/${hex}9" "cache/${hex}8"
ln -s ../precious "cache/${hex}f" && touch -h -d 2001-01-01 "cache/${hex}f"
compile second cache || fail "cached compile beside a linked entry: $(cat second.log)"
[ -f precious/file ] || fail "the folder a cache entry links to was emptied"
[ ! -e "cache/${hex}f" ] || fail "the linked entry was not pruned"
[ "$(ls cache | wc -l)" = 8 ] || fail "not eight entries kept: $(ls cache)"

# The build process: one request, then the end of its input ends it.
arg() {
    printf '%d\n%s' "$(printf %s "$1" | wc -c)" "$1"
}
{
    printf 'run 7 8\n'
    arg "$jdk/bin/javac"; arg -source; arg 1.3; arg -classpath; arg "$cp"; arg -d; arg served
    arg src/Game.java
} > request
mkdir -p served
mkfifo input || fail "cannot make a fifo"
timeout 60 "$wtk/bin/buildserver" < input > answer &
server=$!
exec 3> input
cat request >&3
tries=0
until grep -q "^end 7 " answer; do
    tries=$((tries + 1))
    [ $tries -lt 600 ] || fail "no answer: $(cat answer)"
    sleep 0.1
done
grep -q "^end 7 0$" answer || fail "the compile failed: $(cat answer)"
exec 3>&-
wait $server || fail "the build process did not end with its input (status $?)"
[ -f served/Game.class ] || fail "the build process did not compile"
grep -q "^tool javac " answer || fail "no tools named: $(cat answer)"
echo "ok"
