#!/bin/sh
# Installs what is missing and runs every check, each test once, in this order:
#   1. the unit suites, the fuzzing replays and the soak run in a Debug build under
#      AddressSanitizer and UndefinedBehaviorSanitizer with leak checking (presets "asan";
#      the options and the suppressions for third-party libraries come with the test
#      preset); any finding fails;
#   2. both libFuzzer targets for PELVAR_FUZZ_SECONDS each (45 unless set), side by side;
#   3. the programs as shipped, in the optimised build with warnings as errors, and the tests
#      that run them whole: end to end under Xvfb and the Debian package (presets "ci"),
#      whose summary ends the output.
# With "optimised", only the optimised build with warnings as errors and every suite that
# needs no sanitizer, in one build (presets "all"): how another release is proven beside this
# one (.ci/run).
# Each phase prints how long it took. Compiled objects are kept by ccache (installed with
# the test packages), so a second run rebuilds little.
# Usage: scripts/test.sh [optimised]
set -eu
cd "$(dirname "$0")/.."
case "${1:-}" in
    "" | optimised) ;;
    *) echo "usage: $0 [optimised]" >&2; exit 2 ;;
esac
scripts/deps.sh test
export QT_QPA_PLATFORM=offscreen
# Objects are looked up by paths relative to the checkout, so that another clone of the same
# sources hits the same cache entries.
# The working folder is left out of the hash too: it only names where debug information was
# compiled.
CCACHE_BASEDIR=$(pwd)
CCACHE_NOHASHDIR=1
export CCACHE_BASEDIR CCACHE_NOHASHDIR

phase_start=$(date +%s)
phase() {
    now=$(date +%s)
    echo "== $1: $((now - phase_start)) s"
    phase_start=$now
}

if [ "${1:-}" = optimised ]; then
    cmake --preset all >/dev/null
    cmake --build --preset all
    phase "optimised build with every suite"
    exec ctest --preset all
fi

cmake --preset asan >/dev/null
cmake --build --preset asan
phase "sanitizer build"
ctest --preset asan
phase "sanitizer suites"

scripts/fuzz.sh "${PELVAR_FUZZ_SECONDS:-45}"
phase "fuzzing"

cmake --preset ci >/dev/null
cmake --build --preset ci
phase "optimised build"
ctest --preset ci
