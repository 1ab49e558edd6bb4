#!/bin/sh
# Installs what is missing, builds Pelvar with warnings as errors and runs every test.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh test
export QT_QPA_PLATFORM=offscreen
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
