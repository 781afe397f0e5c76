#!/bin/sh
# Builds a libFuzzer target for every reader of outside bytes (fuzz/*.cpp, over the pure core)
# and runs each for FUZZ_SECONDS seconds (60 by default). Installs clang and the fuzzer runtime
# when they are missing. Exits non-zero when any target crashes or a sanitizer reports, after
# showing the report; the input that did it is kept under build/fuzz/crashes/.
set -eu
cd "$(dirname "$0")/.."
SUDO=
[ "$(id -u)" = 0 ] || SUDO=sudo

installed=$(dpkg-query -W -f='${Status}\n' clang libclang-rt-dev 2>/dev/null | grep -c ' installed$' || true)
if [ "$installed" != 2 ]; then
    echo "installing clang and the fuzzer runtime"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
fi

out=build/fuzz
seconds=${FUZZ_SECONDS:-60}
rm -rf "$out/obj"
mkdir -p "$out/obj" "$out/crashes" "$out/logs"
# Undefined behaviour stops a run as a crash does: nothing is recovered from.
flags="-std=c++17 -g -O1 -I. -fno-omit-frame-pointer -fno-sanitize-recover=all"
sanitizers="address,undefined"

# The pure core, as CMakeLists.txt lists it, compiled once for all targets.
sed -n '/^set(CORE_SOURCES/,/^)/p' CMakeLists.txt | grep -o '[a-z_/]*\.cpp' |
    xargs -P 2 -I{} sh -c 'clang++ $1 -fsanitize=fuzzer-no-link,$2 -c {} -o "$3/$(echo {} | tr / _).o"' \
        sh "$flags" "$sanitizers" "$out/obj"
rm -f "$out/libcore.a"
ar rcs "$out/libcore.a" "$out"/obj/*.o

targets=""
for source in fuzz/*.cpp; do
    target=$(basename "$source" .cpp)
    clang++ $flags -fsanitize=fuzzer,$sanitizers "$source" "$out/libcore.a" -o "$out/$target"
    targets="$targets $target"
done

failed=""
summary="$out/summary.txt"
echo "---- fuzzing, ${seconds}s per target ----" >"$summary"
for target in $targets; do
    mkdir -p "$out/corpus/$target"
    log="$out/logs/$target.log"
    echo "fuzzing $target for ${seconds}s"
    if "$out/$target" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$out/crashes/$target-" \
        "$out/corpus/$target" >"$log" 2>&1; then
        result="no finding"
    else
        failed="$failed $target"
        result="FOUND A PROBLEM"
        echo "---- $target: its report (all of it in $log) ----"
        awk '/ERROR:|runtime error|deadly signal/ { on = 1 } on { print } /^SUMMARY:/ { exit }' "$log"
        grep 'Test unit written' "$log" || tail -n 20 "$log"
    fi
    runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | cut -d' ' -f2)
    printf '%-22s %12s runs  %s\n' "$target" "${runs:-?}" "$result" >>"$summary"
done

cat "$summary"
if [ -n "$failed" ]; then
    echo "crashes or sanitizer reports in:$failed; their inputs are in $out/crashes/"
    exit 1
fi
