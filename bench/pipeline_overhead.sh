#!/bin/sh
# The build pipeline's own cost: the whole build of the sample project by
# `avizad-cli build` against the same compile, preverify, copy and archive commands
# run by hand in one script. avizad-cli runs the three tools in one build process
# (one Java virtual machine), the script each as a program of its own, so a negative
# overhead is what the build process saves beyond the pipeline's own work.
#
#   bench/pipeline_overhead.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR (default: build) holds bin/avizad-cli and bin/System with the toolkit.
# The program is copied into a temporary folder, so the build folders of BUILD_DIR
# stay as they are. Prints the median wall time of each, and the overhead.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-5}
sample="$here/tests/pipeline/sample/sample.yrk"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
program="$work/program"
mkdir -p "$program"
cp "$build/bin/avizad-cli" "$program/"
cp -r "$build/bin/System" "$program/"
# The shipped settings name the toolkit relatively; keep it where they point.
jdk="$program/System/toolkit/jdk"
wtk="$program/System/toolkit/wtk"
[ -x "$jdk/bin/javac" ] && [ -x "$wtk/bin/preverify" ] || {
    echo "no toolkit below $build/bin/System/toolkit" >&2
    exit 1
}

now() { date +%s%N; }
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# 1. The whole build through the pipeline (sources, resources and the three tools).
: > "$work/pipeline.times"
i=0
while [ $i -lt "$runs" ]; do
    start=$(now)
    "$program/avizad-cli" build "$sample" > "$work/pipeline.log" 2>&1 ||
        { cat "$work/pipeline.log"; exit 1; }
    echo $(( ($(now) - start) / 1000000 )) >> "$work/pipeline.times"
    i=$((i + 1))
done
jar_name=$(cd "$program/System/bin" && ls -- *.jar | head -n 1)

# 2. The same commands by hand, on the sources the last build wrote. One sh script:
#    compile, preverify (shrinking, as the shipped settings do), archive every class and
#    resource (those the last build kept in System/build) into a temporary jar in fresh
#    folders of its own, rename it, remove the folders.
cat > "$work/by-hand.sh" <<EOF
set -e
cd '$program'
cp='$wtk/lib/cldcapi11.jar:$wtk/lib/midpapi20.jar'
rm -rf hand && mkdir -p hand/classes hand/tmpclasses
'$jdk/bin/javac' -source 1.3 -encoding Cp1251 -classpath "\$cp" -d hand/tmpclasses System/build/src/*.java
'$wtk/bin/preverify' -classpath "\$cp" -keep syrk -d hand/classes hand/tmpclasses
'$jdk/bin/jar' cmf System/build/MANIFEST.MF hand/game.jar -C hand/classes . -C System/build/res .
mv hand/game.jar 'System/bin/$jar_name'
rm -rf hand
EOF
: > "$work/hand.times"
i=0
while [ $i -lt "$runs" ]; do
    start=$(now)
    sh "$work/by-hand.sh" > "$work/hand.log" 2>&1 || { cat "$work/hand.log"; exit 1; }
    echo $(( ($(now) - start) / 1000000 )) >> "$work/hand.times"
    i=$((i + 1))
done

pipeline=$(median < "$work/pipeline.times")
hand=$(median < "$work/hand.times")
echo "runs: $runs (median wall time)"
echo "avizad-cli build (whole build):   $pipeline ms"
echo "same commands by hand (one script): $hand ms"
echo "pipeline overhead:                 $((pipeline - hand)) ms ($(( (pipeline - hand) * 100 / hand )) %)"
