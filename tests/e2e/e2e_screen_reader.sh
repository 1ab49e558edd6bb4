#!/bin/sh
# End-to-end test with the screen reader a blind player uses: Orca, with a window manager,
# on a private X server, session bus and accessibility bus, speaking through
# speech-dispatcher's dummy output. The game is played by keys alone, and what Orca says is
# read from its debug output ("SPEECH OUTPUT" lines), in order:
#   the game's window opens on the point a7; Return places a stone and the computer's reply
#   is spoken without asking; S speaks the state of the game; the options dialog names its
#   seconds field, and when it closes the focus is back on the point;
#   then, in the game's window set one slide before the human's win (ENDGAME_WINDOW): a
#   stone is picked and slid into a mill, the request to capture is spoken, the capture, the
#   box that ends the game and the new game, which puts the focus back on a7;
#   then, in a new game, the keys for playing by ear (see 3.).
# Every wait ends when Orca has said what is awaited, and gives up only after a guard
# against hangs. The transcript is printed at the end.
# Usage: e2e_screen_reader.sh PELVAR ENDGAME_WINDOW ARTIFACT_ROOT
set -u
. "$(dirname "$0")/xvfb_session.sh"
PELVAR=$1
ENDGAME_WINDOW=$2

# The whole test runs in a process namespace of its own, on a session bus of its own, both
# of which end with it. Orca allows one instance per user and finds the others with pgrep:
# in the namespace it sees only the test's processes, so the test's Orca starts beside a
# person's own screen reader and can neither end it nor be refused by it. Ending the
# namespace's first process ends every process the test started.
if [ -z "${E2E_PRIVATE_BUS:-}" ]; then
    command -v Xvfb >/dev/null 2>&1 || {
        echo "[screen_reader] Xvfb is not installed: skipped"
        exit "$E2E_SKIP"
    }
    command -v dbus-run-session >/dev/null 2>&1 || {
        echo "[screen_reader] FAILED: dbus-run-session is not installed (package dbus)" >&2
        exit 1
    }
    as_user=""
    [ "$(id -u)" -eq 0 ] || as_user="--user --map-root-user"
    # shellcheck disable=SC2086
    if unshare $as_user --pid --fork --kill-child --mount-proc true 2>/dev/null; then
        E2E_PRIVATE_BUS=1 E2E_OWN_PIDS=1 exec unshare $as_user --pid --fork --kill-child \
            --mount-proc dbus-run-session -- sh "$0" "$@"
    fi
    # Without namespaces the test's Orca would share the user's: it refuses to run rather
    # than end a screen reader someone is listening to.
    if pgrep -u "$(id -u)" -x orca >/dev/null 2>&1; then
        echo "[screen_reader] FAILED: another Orca of this user is running, and this system" \
            "gives the test no process namespace of its own; close that Orca or run the test" \
            "as root" >&2
        exit 1
    fi
    E2E_PRIVATE_BUS=1 exec dbus-run-session -- sh "$0" "$@"
fi

e2e_init screen_reader "$3"
e2e_require_tools
for tool in orca openbox speech-dispatcher; do
    command -v "$tool" >/dev/null 2>&1 || e2e_fail "$tool is not installed"
done

# Orca's and speech-dispatcher's settings, the accessibility bus's socket: all private.
E2E_HOME=$(mktemp -d /tmp/pelvar-sr.XXXXXX) || e2e_fail "no home folder"
HOME=$E2E_HOME/home
XDG_CONFIG_HOME=$E2E_HOME/config
XDG_DATA_HOME=$E2E_HOME/data
XDG_RUNTIME_DIR=$E2E_HOME/run
export HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_RUNTIME_DIR
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# speech-dispatcher speaks with its dummy module into ALSA's null device: a speech server
# that takes every utterance, as on a desktop, without a sound card.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "alsa"
EOF
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"

# Orca's own words: all that may differ between its releases (Debian 12 has Orca 43 with
# Qt 6.4, Debian 13 Orca 48 with Qt 6.8), everything else is the game's and must be the same.
#   NOTE     what comes before each announcement of the game: Orca 43 reads it from an
#            accessible notification and names the role; Qt 6.8's announcement events are
#            spoken as they are.
#   CONTEXT  what Orca says of the board when the focus enters one of its points: Orca 48
#            speaks a focused table cell without its container.
#   BUTTON   the role word of a push button.
#   BOX_FIRST  set where Orca speaks a box that opens at once after an announcement before
#            the announcement: Orca 48 takes a window's events before every other waiting
#            event, so the capture that ends a game comes after the box that says so.
#   OWN      the utterances of Orca's that may come between the game's: its key echo, the
#            window's title and the context above.
# (Asked before the test's Orca starts, which ends every other Orca in the test's namespace.)
ORCA_MAJOR=$(orca --version 2>/dev/null | grep -o '[0-9][0-9]*\.[0-9]' | head -n 1 | cut -d. -f1)
[ -n "$ORCA_MAJOR" ] || e2e_fail "orca --version names no version"
if [ "$ORCA_MAJOR" -ge 48 ]; then
    NOTE=""
    CONTEXT=""
    BUTTON="button"
    BOX_FIRST=1
else
    NOTE="notification "
    CONTEXT="Spielbrett panel\\."
    BUTTON="push button"
    BOX_FIRST=""
fi
OWN="(return|escape|tab|space|left alt|up|down|left|right|[a-gpsw1-7]|[Ff][0-9]+) ?|Unbenannt - Pelvar frame\\.?"
[ -z "$CONTEXT" ] || OWN="$OWN|$CONTEXT"
HELPER_PIDS=""
screen_reader_cleanup() {
    status=$?
    for pid in $HELPER_PIDS; do
        end_tree "$pid"
        wait "$pid" 2>/dev/null
    done
    rm -rf "$E2E_HOME"
    restore_status() { return "$1"; }
    restore_status "$status"
    e2e_cleanup
}
trap screen_reader_cleanup EXIT

e2e_start_xvfb
openbox >"$E2E_DIR/openbox.log" 2>&1 &
HELPER_PIDS="$HELPER_PIDS $!"
# The accessibility bus, started now rather than on the first request. Its launcher is up
# once it owns its name on the session bus (asked without starting one by activation).
A11Y_LAUNCHER=/usr/libexec/at-spi-bus-launcher
[ -x "$A11Y_LAUNCHER" ] || e2e_fail "$A11Y_LAUNCHER is missing (package at-spi2-core)"
"$A11Y_LAUNCHER" --launch-immediately >"$E2E_DIR/at-spi-bus-launcher.log" 2>&1 &
HELPER_PIDS="$HELPER_PIDS $!"
start=$(e2e_now)
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; do
    awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' &&
        e2e_fail "the accessibility bus gave no address within $E2E_PATIENCE s"
    sleep 0.1
done

# The speech server, started by the test so that the test ends it: Orca finds its socket in
# the private runtime folder and starts none of its own.
speech-dispatcher --run-single --timeout 0 >"$E2E_DIR/speech-dispatcher.log" 2>&1 &
HELPER_PIDS="$HELPER_PIDS $!"
e2e_wait_until "speech-dispatcher made no socket within $E2E_PATIENCE s" \
    test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

# In the test's own process namespace Orca may end any other Orca it finds, as only the
# test's processes are there: Orca 48 at times finds a process of its own start-up among
# them and would otherwise refuse to start. Outside it Orca must not end anything.
REPLACE=""
[ -z "${E2E_OWN_PIDS:-}" ] || REPLACE="--replace"
# end_tree PID: ends the process and everything it started.
end_tree() {
    for child in $(pgrep -P "$1"); do
        end_tree "$child"
    done
    kill "$1" 2>/dev/null
}

# start_orca NAME: a new Orca, whose words go to NAME.out; the one started before ends first.
# Each game window gets an Orca of its own: Orca 48 remembers the objects of a closed window
# as gone by their memory address for a minute and ignores a new object that comes to lie at
# the same address, such as a point of the next window.
# Orca writes its debug output to a terminal, which it flushes line by line (a file it fills
# in blocks); script keeps what the terminal shows.
ORCA_PID=""
start_orca() {
    if [ -n "$ORCA_PID" ]; then
        end_tree "$ORCA_PID"
        wait "$ORCA_PID" 2>/dev/null
    fi
    SPOKEN=$E2E_DIR/$1.out
    : >"$SPOKEN"
    script -qfec "orca $REPLACE --debug-file=/dev/tty" "$SPOKEN" >/dev/null 2>&1 </dev/null &
    ORCA_PID=$!
    HELPER_PIDS="$HELPER_PIDS $ORCA_PID"
    # What Orca has said so far, one utterance a line, and how many lines earlier waits used.
    HEARD=0
    said "Screen reader on\\."
}
spoken() {
    tr -d '\r' <"$SPOKEN" | sed -n "s/^.* - SPEECH OUTPUT: '\\(.*\\)' *{'established.*\$/\\1/p"
}

# A point's name, which Orca speaks whenever the focus is on a point, also after each of
# several arrows typed at once (or not, if the next arrow comes first).
POINT="[a-g][1-7] (leer|weiß|schwarz)\\."

# said PATTERN: waits until Orca, after what earlier waits heard, says something that
# matches the extended regular expression PATTERN (anchored at both ends).
# heard PATTERN: the same, and Orca has said nothing in between but its own words (OWN) and
# points' names: no sentence of the game that the test does not expect, none twice, none
# out of order.
heard() {
    HEARD_STRICT=1
    said "$1"
    HEARD_STRICT=""
}
said() {
    start=$(e2e_now)
    while :; do
        line=$(spoken | tail -n "+$((HEARD + 1))" | grep -n -x -E -m 1 "$1" | cut -d: -f1)
        if [ -n "$line" ]; then
            if [ -n "${HEARD_STRICT:-}" ]; then
                stray=$(spoken | tail -n "+$((HEARD + 1))" | head -n "$((line - 1))" |
                    grep -v -x -E "$OWN|$POINT" | head -n 1)
                [ -z "$stray" ] || e2e_fail "Orca said \"$stray\" before /$1/"
            fi
            HEARD=$((HEARD + line))
            e2e_log "heard: $(spoken | sed -n "${HEARD}p")"
            return 0
        fi
        awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' && {
            spoken | tail -n "+$((HEARD + 1))" | sed 's/^/[screen_reader]   said: /' >&2
            e2e_fail "Orca did not say /$1/ within $E2E_PATIENCE s (what it said since is above)"
        }
        sleep 0.1
    done
}

# press KEY...: key strokes to whatever window has the focus, as a player types them.
press() {
    xdotool key --clearmodifiers "$@"
}

# alt KEY: Alt held down, as a person holds it, until the screen reader has echoed it, then
# KEY. (Alt and KEY sent at once reach the menu bar before the screen reader has let go of
# the keyboard, and the menu closes again.)
alt() {
    xdotool keydown Alt_L
    said "left alt ?"
    xdotool key "$1"
    xdotool keyup Alt_L
}

# 1. A game against the computer. The window opens with the focus on a7.
start_orca orca-game
e2e_start_app "$PELVAR"
[ -z "$CONTEXT" ] || heard "$CONTEXT"
heard "a7 leer\\."
heard "${NOTE}Setzen Sie einen Stein auf einen freien Punkt\\. Sie spielen Weiß, der Computer Schwarz\\. Tasten: .* F10 Menü\\."
press Return
heard "${NOTE}Weiß setzt auf a7\\. Der Computer denkt nach\\."
heard "${NOTE}Schwarz setzt auf [a-g][1-7]\\. Setzen Sie einen Stein auf einen freien Punkt\\."
press s
heard "${NOTE}Weiß ist am Zug\\. Setzen Sie einen Stein auf einen freien Punkt\\. Weiß: 8 in der Hand, 0 geschlagen\\. Schwarz: 8 in der Hand, 0 geschlagen\\. Zuletzt: Weiß setzt auf a7\\. Schwarz setzt auf [a-g][1-7]\\."
alt e
said ".*Optionen.*"
press Return
said "Spieleinstellungen dialog.*"
said "OK $BUTTON\\."
press Tab Tab
said "Sekunden pro Zug.*"
press Escape
said "escape ?"
heard "a7 weiß\\."
alt F4
e2e_wait_exit
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "the game ended with status $E2E_EXIT"

# 2. The last turn of a game won: d1 is picked, slid to a1 into the mill a7-a4-a1, and g1 is
# taken, which leaves black two stones.
start_orca orca-endgame
e2e_start_app "$ENDGAME_WINDOW"
# The window sets its position after it has shown the start, which the game tells as white's
# placements.
said "${NOTE}.*Weiß setzt auf a7, g7, e5, a4 und d1\\. Wählen Sie einen Ihrer Steine zum Ziehen\\."
# One key at a time, each after its point was spoken: Orca 48 drops a focus change that
# follows the last within a tenth of a second.
for step in "Right d7 leer" "Down d6 leer" "Down d5 leer" "Down d3 leer" "Down d2 leer" \
    "Down d1 weiß"; do
    press "${step%% *}"
    heard "${step#* }\\."
done
press Return
heard "${NOTE}Ziehen Sie den Stein von d1 auf einen freien Nachbarpunkt\\."
press Left
heard "a1 leer\\."
press Return
heard "${NOTE}Weiß zieht von d1 nach a1\\. Pelvar geschlossen\\. Schlagen Sie einen schwarzen Stein, der in keiner Pelvar steht\\."
press Right
heard "d1 leer\\."
press Right
heard "g1 schwarz\\."
press Return
if [ -n "$BOX_FIRST" ]; then
    said ".*Bist Du das, Tobrek\\?.*"
    said "${NOTE}Weiß schlägt g1\\."
    press Return
else
    heard "${NOTE}Weiß schlägt g1\\."
    said ".*Bist Du das, Tobrek\\?.*"
    press Return
fi
said "return ?"
heard "a7 leer\\."
heard "${NOTE}Neues Spiel\\. Setzen Sie einen Stein auf einen freien Punkt\\. Sie spielen Weiß.*"
alt F4
e2e_wait_exit
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "the game ended with status $E2E_EXIT"

# 3. Playing by ear: the welcome, an arrow at the board's edge and a refused key with their
# reasons, the position and its repetition, a point reached by its name and a name that is
# no point, and F10 and Alt alone opening the menu, behind which the board's focus stays where
# it was.
start_orca orca-keys
e2e_start_app "$PELVAR"
[ -z "$CONTEXT" ] || heard "$CONTEXT"
heard "a7 leer\\."
heard "${NOTE}Setzen Sie einen Stein auf einen freien Punkt\\. Sie spielen Weiß, der Computer Schwarz\\. Tasten: .* F10 Menü\\."
press Up
heard "${NOTE}Kein Punkt weiter oben\\."
press Return
heard "${NOTE}Weiß setzt auf a7\\. Der Computer denkt nach\\."
heard "${NOTE}Schwarz setzt auf [a-g][1-7]\\. Setzen Sie einen Stein auf einen freien Punkt\\."
press Return
heard "${NOTE}a7 ist besetzt\\."
press p
heard "${NOTE}Weiß auf a7, 8 in der Hand\\. Schwarz auf [a-g][1-7], 8 in der Hand\\."
press w
heard "${NOTE}Weiß auf a7, 8 in der Hand\\. Schwarz auf [a-g][1-7], 8 in der Hand\\."
press e 4
heard "e4 (leer|schwarz)\\."
press a 5
heard "${NOTE}a5 ist kein Punkt\\."
# Each Escape after the menu has said where it is: the first closes the popup and leaves
# the menu bar, the second returns to the board.
press F10
said "Datei\\."
press Down
said "Autoplay\\."
press Escape
said "Datei\\."
press Escape
said "e4 (leer|schwarz)\\."
# After Alt alone Orca says nothing when Escape closes the popup, so the test waits until
# the popup's window is gone before the second Escape leaves the menu bar.
press Alt_L
said "Datei\\."
popup_windows=$(e2e_visible_windows)
press Escape
e2e_wait_until "Escape did not close the menu's popup" e2e_windows_compare -lt "$popup_windows"
press Escape
said "e4 (leer|schwarz)\\."
alt F4
e2e_wait_exit
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "the game ended with status $E2E_EXIT"

for part in orca-game orca-endgame orca-keys; do
    e2e_log "what Orca said ($part):"
    SPOKEN=$E2E_DIR/$part.out
    spoken | sed 's/^/[screen_reader]   /'
done
e2e_log "passed"
