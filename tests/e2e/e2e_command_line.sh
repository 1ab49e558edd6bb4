#!/bin/sh
# End-to-end test of the real program's command line on a private X server. A name that
# cannot be opened (a missing file, an unknown option, which is taken for a file name, a
# folder, a FIFO, an unreadable file) shows the German message box captioned "Pelvar" and no
# main window, and the program ends with status 1 once the box is closed; a FIFO is refused
# without waiting for a writer. A readable file, also one whose name is not UTF-8, opens:
# the window shows its name in the title, and "Beenden" ends the program with status 0, also
# with standard error closed; an empty argument names no file. Without a display that can be
# reached (none set, one where no server listens or one that never answers) or with a
# platform that cannot start, the program prints one line and ends with status 1 instead of
# aborting or waiting.
# Usage: e2e_command_line.sh PELVAR ARTIFACT_ROOT
set -u
. "$(dirname "$0")/xvfb_session.sh"
PELVAR=$1
e2e_init command-line "$2"
e2e_require_tools
e2e_start_xvfb

files=$E2E_DIR/files
mkdir -p "$files/ordner"
mkfifo "$files/fifo"
echo "kein Spielstand" >"$files/partie.txt"
echo x >"$files/gesperrt.txt"
chmod 000 "$files/gesperrt.txt"
nonutf8=$(printf '%s/spiel-\377.txt' "$files")
echo x >"$nonutf8"

# refused ARGUMENT: the box instead of the window, then status 1.
refused() {
    e2e_start_app "$PELVAR" "$1"
    e2e_wait_window "Pelvar"
    if xdotool search --onlyvisible --name ' - Pelvar$' >/dev/null 2>&1; then
        e2e_fail "\"$1\": the main window shows although the file cannot be opened"
    fi
    e2e_shot "refused" >/dev/null
    e2e_keys Return
    e2e_wait_exit
    [ "$E2E_EXIT" -eq 1 ] || e2e_fail "\"$1\": exit status $E2E_EXIT, expected 1"
    e2e_log "\"$1\" refused with a message, status 1"
}

# opened TITLE COMMAND...: the window with that title, then "Beenden" and status 0.
opened() {
    title=$1
    shift
    e2e_start_app "$@"
    e2e_wait_window "$title"
    e2e_menu alt+d b
    e2e_wait_exit
    [ "$E2E_EXIT" -eq 0 ] || e2e_fail "\"$*\": exit status $E2E_EXIT, expected 0"
    e2e_log "\"$*\" opened as \"$title\", status 0"
}

refused "$files/fehlt.txt"
refused --frobnicate
refused "$files/ordner"
refused "$files/fifo"
if [ "$(id -u)" -ne 0 ]; then
    refused "$files/gesperrt.txt"  # root reads any file
fi
opened "Unbenannt - Pelvar" "$PELVAR" ""
opened "partie.txt - Pelvar" "$PELVAR" "$files/partie.txt"
opened 'spiel-\\xff\.txt - Pelvar' "$PELVAR" "$nonutf8"
# Standard error closed: the warning about XDG_RUNTIME_DIR went into the X connection.
opened "partie.txt - Pelvar" env -u XDG_RUNTIME_DIR sh -c 'exec "$0" "$1" 2>&-' "$PELVAR" \
    "$files/partie.txt"

# no_display VARIABLE=VALUE...: with QT_QPA_PLATFORM=xcb, no Wayland and these settings, one
# line on standard error, status 1.
no_display() {
    env -u WAYLAND_DISPLAY -u WAYLAND_SOCKET QT_QPA_PLATFORM=xcb "$@" "$PELVAR" \
        >"$E2E_DIR/no-display.out" 2>"$E2E_DIR/no-display.err"
    status=$?
    [ "$status" -eq 1 ] || e2e_fail "$*: exit status $status, expected 1"
    [ "$(wc -l <"$E2E_DIR/no-display.err")" -eq 1 ] && [ ! -s "$E2E_DIR/no-display.out" ] ||
        e2e_fail "$*: not one line on standard error: $(cat "$E2E_DIR/no-display.err")"
    e2e_log "$*: $(cat "$E2E_DIR/no-display.err")"
}
no_display DISPLAY=
no_display DISPLAY=:999
# Platforms that cannot start; the frame buffer one is given a device that is none.
for platform in nonsense Wayland linuxfb:fb=/dev/null; do
    no_display QT_QPA_PLATFORM=$platform
done
no_display DISPLAY=:999 QT_QPA_PLATFORM=XCB
no_display DISPLAY= QT_QPA_PLATFORM= WAYLAND_SOCKET=garbage
# A server on a display number nobody uses that takes the connection and never answers; it
# ends when the program has closed the connection.
silent=900
while [ -e "/tmp/.X11-unix/X$silent" ]; do silent=$((silent + 1)); done
python3 -c 'import os, socket, sys; s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1])
s.listen(1); c = s.accept()[0]
while c.recv(4096): pass
os.unlink(sys.argv[1])' "/tmp/.X11-unix/X$silent" &
listener=$!
while [ ! -S "/tmp/.X11-unix/X$silent" ]; do
    e2e_running "$listener" || e2e_fail "the silent display server did not start"
    sleep 0.05
done
no_display DISPLAY=:$silent
wait "$listener"
