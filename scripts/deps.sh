#!/bin/sh
# Installs the Debian packages that building and testing Pelvar need, where missing.
# Usage: scripts/deps.sh build|test
set -eu

BUILD_PACKAGES="g++ cmake make pkg-config qt6-base-dev qt6-translations-l10n qt6-qpa-plugins \
libx11-dev"
TEST_PACKAGES="googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick \
clang libclang-rt-dev appstream desktop-file-utils dpkg-dev file ccache lintian man-db \
at-spi2-core dbus python3 orca speech-dispatcher openbox"

case "${1:-build}" in
    build) wanted="$BUILD_PACKAGES" ;;
    test) wanted="$BUILD_PACKAGES $TEST_PACKAGES" ;;
    *) echo "usage: $0 build|test" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
    if ! dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
echo "Installing:$missing"
$as_root apt-get update -q
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
