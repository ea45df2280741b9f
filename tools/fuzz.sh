#!/usr/bin/env bash
# Fuzzes every reader of outside data: builds the fuzz targets of tests/fuzz (clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer) in build-fuzz/ and runs them one after the other,
# at low priority, each for SECONDS_PER_TARGET seconds (default 300) or MOST_INPUTS inputs. Each
# target starts from its seeds and from what earlier runs found (build-fuzz/corpus/NAME); an input
# that crashes, leaks, hangs (10 s), takes more than 512 MB or breaks a promise is kept in
# build-fuzz/findings/NAME/. Prints for each target the inputs run, the inputs a second and what it
# found; exits 1 when a target found something. Not part of the test suite.
# The targets' files go to /dev/shm when there is one: in memory, a file costs no disk write. With
# FORTUNARA_BUILD_LOCK set, the build (not the run) waits for that lock file; with FUZZ_BUILD=0 the
# targets built before run again without a build.
# Usage: tools/fuzz.sh [SECONDS_PER_TARGET [MOST_INPUTS [TARGET...]]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
most=${2:--1}
shift $(($# < 2 ? $# : 2))

if [ "${FUZZ_BUILD:-1}" != 0 ]; then
    tools/install-deps.sh fuzz
    lock=()
    [ -n "${FORTUNARA_BUILD_LOCK:-}" ] && lock=(flock "$FORTUNARA_BUILD_LOCK")
    "${lock[@]}" sh -c 'cmake --preset fuzz >/dev/null && cmake --build --preset fuzz'
fi
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
# AddressSanitizer without filling each block it hands out and with a smaller quarantine of freed
# blocks: a third faster; only a use of a block freed long before may go unseen.
export ASAN_OPTIONS=${ASAN_OPTIONS:-max_malloc_fill_size=0:quarantine_size_mb=16:malloc_context_size=10}
build=build-fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in "$build"/tests/fuzz/*.seeds; do targets+=("$(basename "$seeds" .seeds)"); done
fi

status=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target findings=$build/findings/$target seeds=$build/seeds/$target
    rm -rf "$seeds"
    mkdir -p "$corpus" "$findings" "$seeds"
    while read -r seed; do
        [ -n "$seed" ] && cp -r "$seed" "$seeds/"
    done <"$build/tests/fuzz/$target.seeds"
    log=$build/findings/$target.log
    start=$SECONDS
    if nice -n 10 "$build/tests/fuzz/fuzz_$target" "$corpus" "$seeds" -max_total_time="$seconds" -runs="$most" \
        -timeout=10 -rss_limit_mb=512 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1; then
        found="niente"
    else
        status=1
        found=$(grep -m1 -E '^==[0-9]+==ERROR|^PROMESSA NON MANTENUTA|^SUMMARY|runtime error' "$log" || tail -1 "$log")
        found="$found ($(sed -n 's/.*Test unit written to //p' "$log" | head -1), $log)"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    memory=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -1)
    echo "$target: ${runs:-?} input in $((SECONDS - start)) s (${speed:-?}/s, ${memory:-?} MB); trovato: $found"
done
exit $status
