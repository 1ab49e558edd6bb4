#!/bin/sh
# End-to-end test of the board on the accessibility bus, as a screen reader reads it: on a
# private X server, a private session bus and its accessibility bus, the game's board is the
# object "Spielbrett" with 24 points named "<point> leer"; Return places a white stone on a7,
# which becomes "a7 weiß", and the computer's reply turns a point "schwarz", each announced by
# an event. The checks on the bus are the Python script next to this one.
# Usage: e2e_accessibility.sh PELVAR ARTIFACT_ROOT
set -u
. "$(dirname "$0")/xvfb_session.sh"
PELVAR=$1
SCRIPT=$(dirname "$0")/e2e_accessibility.py

# The whole test runs on a session bus of its own, which ends with it.
if [ -z "${E2E_PRIVATE_BUS:-}" ]; then
    command -v Xvfb >/dev/null 2>&1 || {
        echo "[accessibility] Xvfb is not installed: skipped"
        exit "$E2E_SKIP"
    }
    command -v dbus-run-session >/dev/null 2>&1 || {
        echo "[accessibility] FAILED: dbus-run-session is not installed (package dbus)" >&2
        exit 1
    }
    E2E_PRIVATE_BUS=1 exec dbus-run-session -- sh "$0" "$@"
fi

e2e_init accessibility "$2"
e2e_require_tools
A11Y_LAUNCHER=/usr/libexec/at-spi-bus-launcher
[ -x "$A11Y_LAUNCHER" ] || e2e_fail "$A11Y_LAUNCHER is missing (package at-spi2-core)"
/usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
    e2e_fail "python3 cannot import pyatspi (package python3-pyatspi)"

# The accessibility bus's socket lives in a short private folder (socket paths are short).
XDG_RUNTIME_DIR=$(mktemp -d /tmp/pelvar-a11y.XXXXXX) || e2e_fail "no runtime folder"
export XDG_RUNTIME_DIR
A11Y_LAUNCHER_PID=""
a11y_cleanup() {
    status=$?
    if [ -n "$A11Y_LAUNCHER_PID" ]; then
        kill "$A11Y_LAUNCHER_PID" 2>/dev/null
        wait "$A11Y_LAUNCHER_PID" 2>/dev/null
    fi
    rm -rf "$XDG_RUNTIME_DIR"
    restore_status() { return "$1"; }
    restore_status "$status"
    e2e_cleanup
}
trap a11y_cleanup EXIT

e2e_start_xvfb

# The accessibility bus, started now rather than on the first request. Its launcher is up
# once it owns its name on the session bus (asked without starting one by activation).
"$A11Y_LAUNCHER" --launch-immediately >"$E2E_DIR/at-spi-bus-launcher.log" 2>&1 &
A11Y_LAUNCHER_PID=$!
start=$(e2e_now)
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
    e2e_running "$A11Y_LAUNCHER_PID" || e2e_fail "the accessibility bus did not start"
    awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' &&
        e2e_fail "the accessibility bus gave no address within $E2E_PATIENCE s"
    sleep 0.1
done
e2e_log "accessibility bus up"

# The toolkit joins the accessibility bus without waiting for a screen reader to ask.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON
e2e_start_app "$PELVAR"
e2e_wait_window "Unbenannt - Pelvar"

/usr/bin/python3 "$SCRIPT" "$E2E_WINDOW" >"$E2E_DIR/pyatspi.log" 2>&1
checked=$?
cat "$E2E_DIR/pyatspi.log"
[ "$checked" -eq 0 ] || e2e_fail "the board on the accessibility bus (see pyatspi.log)"
e2e_log "passed"
