#!/bin/sh
# Installs what is missing, builds Pelvar and starts the game.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake --preset default -DPELVAR_BUILD_TESTS=OFF >/dev/null
cmake --build --preset default
exec build/ui/app/pelvar "$@"
