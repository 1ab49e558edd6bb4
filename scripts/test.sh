#!/bin/sh
# Installs what is missing and runs every check, in this order:
#   1. the whole test suite in a Debug build under AddressSanitizer and
#      UndefinedBehaviorSanitizer with leak checking (presets "asan"; the options and the
#      suppressions for third-party libraries come with the test preset); any finding fails;
#   2. both libFuzzer targets for PELVAR_FUZZ_SECONDS each (60 unless set), side by side;
#   3. the whole test suite in the optimised build with warnings as errors (presets "ci"),
#      whose summary ends the output.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh test
export QT_QPA_PLATFORM=offscreen

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

scripts/fuzz.sh "${PELVAR_FUZZ_SECONDS:-60}"

cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
