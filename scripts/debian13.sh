#!/bin/sh
# Runs COMMAND in this checkout inside a Debian 13 system, for proving the game on that
# release from a machine of another one. The system is made with mmdebstrap from Debian's
# mirror in PELVAR_DEBIAN13_DIR (/var/cache/pelvar/debian13 unless set), kept for later
# runs, and made afresh when it is missing, older than a week or made by another version of
# this script. Needs root (or sudo).
#
# The command runs with the test packages installed (scripts/deps.sh test, the only step
# that uses the network), then in namespaces of its own: its mounts (the checkout at /src,
# the system's own build folder over /src/build-all), its processes, its inter-process
# communication and a network of its own without outside connections, so that an X server
# or a screen reader started inside can neither take nor see a display or a bus of the
# machine. All of it ends with the command, whether it passes or fails.
# Usage: scripts/debian13.sh COMMAND...
set -eu
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || { echo "usage: $0 COMMAND..." >&2; exit 2; }
if [ "$(id -u)" -ne 0 ]; then
    exec sudo PELVAR_DEBIAN13_DIR="${PELVAR_DEBIAN13_DIR:-}" "$0" "$@"
fi

root=${PELVAR_DEBIAN13_DIR:-/var/cache/pelvar/debian13}
source_dir=$(pwd)
mirror=http://deb.debian.org/debian
# What the system is made of; a change of it makes the system afresh.
recipe="mmdebstrap --variant=apt --include=build-essential,ca-certificates trixie"
stamp=$root/etc/pelvar-made-by

command -v mmdebstrap >/dev/null 2>&1 || {
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends mmdebstrap
}

mkdir -p "$(dirname "$root")"
# One run at a time uses or makes the system.
exec 9>"$root.lock"
flock 9

if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$recipe" ] ||
    [ -n "$(find "$stamp" -mtime +7)" ]; then
    echo "Making the Debian 13 system in $root"
    rm -rf "$root.new" "$root"
    # shellcheck disable=SC2086
    $recipe "$root.new" "$mirror"
    echo "$recipe" >"$root.new/etc/pelvar-made-by"
    mv "$root.new" "$root"
fi
mkdir -p "$root/src" "$root/var/cache/pelvar/build-all" "$source_dir/build-all"

# in_system [--net] SCRIPT: runs the shell script SCRIPT as root in the system at /src,
# in namespaces of its own (with --net, also a network of its own with only loopback).
in_system() {
    network=""
    if [ "$1" = --net ]; then
        network=--net
        shift
    fi
    # shellcheck disable=SC2086
    unshare --mount --propagation private --pid --fork --kill-child --ipc $network \
        env ROOT="$root" SRC="$source_dir" SCRIPT="$1" sh -c '
        set -e
        ip link set lo up 2>/dev/null || true
        # The system is a mount of its own, so that commands inside can make namespaces.
        mount --bind "$ROOT" "$ROOT"
        mount -t proc proc "$ROOT/proc"
        mount --rbind /dev "$ROOT/dev"
        mount --rbind /sys "$ROOT/sys"
        mount -t tmpfs tmpfs "$ROOT/tmp"
        mount --bind "$SRC" "$ROOT/src"
        mount --bind "$ROOT/var/cache/pelvar/build-all" "$ROOT/src/build-all"
        exec chroot "$ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
            LANG=C.UTF-8 CI="${CI:-}" PELVAR_FUZZ_SECONDS="${PELVAR_FUZZ_SECONDS:-}" \
            sh -c "cd /src && $SCRIPT"'
}

in_system "scripts/deps.sh test"
quoted=""
for argument in "$@"; do
    quoted="$quoted '$(printf '%s' "$argument" | sed "s/'/'\\\\''/g")'"
done
in_system --net "$quoted"
