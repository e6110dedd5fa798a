#!/bin/sh
# Builds the fuzz targets of fuzz/ in build-fuzz/ with clang and runs each
# one for a number of seconds on its corpus, one after the other. Fails when
# any target reports a crash, a leak, a sanitizer error or a hang; the input
# that did it is kept in build-fuzz/artifacts/<target>/ and the whole report
# in build-fuzz/logs/<target>.log.
#
#   scripts/fuzz.sh [seconds per target, default 30] [target...]
#
# The corpora in build-fuzz/corpus/<target> grow from run to run; they
# start from the fixtures of the tests and the default files.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/common.sh"

SECONDS_EACH=${1:-30}
[ $# -gt 0 ] && shift
TARGETS=${*:-settings project language itemdata itemtable outfit picture}
BUILD="$ROOT/build-fuzz"

# The seed files of a target.
seeds() {
    case "$1" in
    settings) echo "$ROOT"/fuzz/seeds/settings/* ;;
    project) echo "$ROOT"/defaults/Projects/*.Project ;;
    language) echo "$ROOT"/defaults/Tavolin_*.txt ;;
    itemdata) echo "$ROOT"/tests/fixtures/items/*.Data "$ROOT"/defaults/Projects/Default.Data ;;
    itemtable) echo "$ROOT"/tests/fixtures/items/*.Table "$ROOT"/defaults/Projects/Default.Table ;;
    outfit) echo "$ROOT"/tests/fixtures/outfits/*.Outfit ;;
    picture) echo "$ROOT"/fuzz/seeds/picture/* "$ROOT"/defaults/Samples/*.bmp "$ROOT"/assets/faces/*.bmp \
        "$ROOT"/assets/tavolin.ico ;;
    *) echo "unknown fuzz target: $1" >&2; return 1 ;;
    esac
}

# The longest input of a target. The line reader takes 64 KiB at a time, so
# text inputs may run a little past that to reach a line end split between
# two reads; pictures are as large as a small bitmap.
max_len() {
    case "$1" in
    picture) echo 65536 ;;
    *) echo 66048 ;;
    esac
}

# Copies the seeds of a target into its corpus, cut to the longest input;
# inputs the fuzzer found earlier stay.
seed_corpus() {
    corpus="$BUILD/corpus/$1"
    mkdir -p "$corpus"
    for seed in $(seeds "$1"); do
        [ -f "$seed" ] || continue
        copy="$corpus/seed-$(basename "$seed")"
        [ -e "$copy" ] || head -c "$(max_len "$1")" "$seed" > "$copy"
    done
}

build_fuzzers() {
    mkdir -p "$BUILD"
    cmake -S "$ROOT" -B "$BUILD" -DTAVOLIN_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$BUILD/build.log" 2>&1 || { cat "$BUILD/build.log"; return 1; }
    cmake --build "$BUILD" --target fuzzers -j "$(nproc)" >> "$BUILD/build.log" 2>&1 ||
        { tail -n 60 "$BUILD/build.log"; return 1; }
}

install_missing $BUILD_PACKAGES clang libclang-rt-14-dev
build_fuzzers
mkdir -p "$BUILD/logs"

# The window targets write their data folder here; a crash leaves it behind,
# so it is removed at the end whatever happens.
# Memory is preferred: the item table is synced to disk after every input.
SCRATCH_BASE=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && SCRATCH_BASE=/dev/shm
SCRATCH=$(mktemp -d "$SCRATCH_BASE/tavolin-fuzz.XXXXXX")
trap 'rm -rf "$SCRATCH"' EXIT
trap 'exit 130' INT TERM
mkdir -m 700 "$SCRATCH/runtime"

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$SCRATCH/runtime" TMPDIR="$SCRATCH"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Only allocations inside Qt's own libraries are suppressed, see the file.
[ -f "$ROOT/fuzz/lsan.supp" ] && export LSAN_OPTIONS="suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=1"

failed=""
summary=""
for target in $TARGETS; do
    seed_corpus "$target"
    mkdir -p "$BUILD/artifacts/$target"
    log="$BUILD/logs/$target.log"
    echo "fuzz_$target: $SECONDS_EACH s"
    start=$(date +%s)
    status=0
    "$BUILD/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -max_len="$(max_len "$target")" -timeout=30 \
        -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$target/" "$BUILD/corpus/$target" \
        > "$log" 2>&1 || status=$?
    seconds=$(($(date +%s) - start))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    files=$(find "$BUILD/corpus/$target" -type f | wc -l)
    result=ok
    if [ "$status" -ne 0 ] || grep -q -E "ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:" "$log"; then
        result="FAILED (exit $status, see $log)"
        failed="$failed $target"
        grep -E "^(==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)|runtime error:" "$log" | head -n 8
    fi
    summary="$summary$(printf '%-10s %6ss %12s runs %6s corpus files  %s' "$target" "$seconds" "${runs:-?}" \
        "$files" "$result")
"
done

echo
printf '%s' "$summary"
if [ -n "$failed" ]; then
    echo "Fuzzing found faults in:$failed"
    exit 1
fi
