#!/bin/sh
# Runs the test suites of built presets again and again on a busy machine, to catch tests
# that pass or fail by timing. Beside the runs, two CPU-bound processes keep both cores busy;
# every second run uses ctest -j2. Prints one line per run and ends with the count of runs
# that passed; the log of every failed run stays in build-stress/.
# Build the presets first (scripts/test.sh does).
# Usage: scripts/stress-tests.sh [RUNS] [PRESET...]   (20 runs of "asan ci" unless given;
# preset "all" has every suite in one optimised build)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-20}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] || set -- asan ci
export QT_QPA_PLATFORM=offscreen

hogs=""
for _ in 1 2; do
    sh -c 'while :; do :; done' &
    hogs="$hogs $!"
done
trap 'kill $hogs 2>/dev/null' EXIT INT TERM

mkdir -p build-stress
passed=0
run=1
while [ "$run" -le "$runs" ]; do
    jobs=$((run % 2 + 1))
    status=passed
    for preset in "$@"; do
        log=build-stress/run-$run-$preset.log
        if ctest --preset "$preset" -j"$jobs" >"$log" 2>&1; then
            rm -f "$log"
        else
            status="FAILED ($preset: $(grep -E '^[[:space:]]+[0-9]+ - ' "$log" | sed 's/^[[:space:]]*[0-9]* - //' | tr '\n' ' '))"
        fi
    done
    echo "run $run (-j$jobs): $status"
    [ "$status" = passed ] && passed=$((passed + 1))
    run=$((run + 1))
done
echo "$passed of $runs runs passed under load"
[ "$passed" -eq "$runs" ]
