#!/bin/sh
# Builds the two libFuzzer targets with clang (preset "fuzz": the engine and the document
# only, with AddressSanitizer and UndefinedBehaviorSanitizer) and runs both at once, each for
# SECONDS (60 unless given), from the seed corpus in tests/fuzz/corpus. New inputs collect in
# build-fuzz/corpus, never in the checkout. A crash, a hang of more than 10 s, a leak or a
# violated invariant fails the script; the input that caused it is named and kept in
# build-fuzz/artifacts. Keep it as a regression input in tests/fuzz/regressions/<target>/,
# where every test run replays it.
# Usage: scripts/fuzz.sh [SECONDS]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build-fuzz
mkdir -p "$out/artifacts"
pids=""
for target in engine doc; do
    mkdir -p "$out/corpus/$target"
    "$out/tests/fuzz/pelvar_${target}_fuzzer" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/artifacts/$target-" \
        "$out/corpus/$target" "tests/fuzz/corpus/$target" >"$out/fuzz-$target.log" 2>&1 &
    pids="$pids $!"
done

status=0
set -- $pids
for target in engine doc; do
    if wait "$1"; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/fuzz-$target.log")
        rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/fuzz-$target.log")
        echo "fuzz $target: $runs inputs in $seconds s ($rate per second), no finding"
    else
        status=1
        echo "fuzz $target: FINDING, from $out/fuzz-$target.log:"
        grep -E "invariant violated|ERROR: |SUMMARY: |Test unit written" "$out/fuzz-$target.log"
    fi
    shift
done
exit "$status"
