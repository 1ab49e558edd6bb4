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
# Each phase prints how long it took. Compiled objects are kept by ccache (installed with
# the test packages), so a second run rebuilds little.
set -eu
cd "$(dirname "$0")/.."
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
