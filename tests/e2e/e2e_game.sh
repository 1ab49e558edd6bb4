#!/bin/sh
# End-to-end test of the real program on a private X server: the window shows an empty
# board; a click on a7 puts a white stone there and the computer answers with a black stone,
# not before its 3.5 seconds are up; "Einstellungen > Optionen", opened with the keyboard,
# sets 6 seconds, and the next answer waits that much longer; "Datei > Beenden" ends the
# program with status 0. Screenshots of a failing run are kept and named.
# Usage: e2e_game.sh PELVAR ARTIFACT_ROOT
set -u
. "$(dirname "$0")/xvfb_session.sh"
PELVAR=$1
e2e_init game "$2"
e2e_require_tools
e2e_start_xvfb
e2e_start_app "$PELVAR"
e2e_wait_window "Unbenannt - Pelvar"

# answered_after SINCE SECONDS: fails unless the black stone that the last e2e_wait_board found
# was first seen in a screenshot completed at least SECONDS after SINCE, a time taken before
# the click: the computer must not answer before its think time is up. (The reverse, an
# answer on time, depends on the machine's load and is no part of this test.)
answered_after() {
    reply=$(awk -v a="$1" -v b="$SHOT_END" 'BEGIN { printf "%.2f", b - a }')
    e2e_log "black stone seen $reply s after the click"
    awk -v t="$reply" -v m="$2" 'BEGIN { exit !(t >= m) }' ||
        e2e_fail "black answered within $reply s, before its think time of $2 s"
}

# 1. A new game: the board, no stone on it.
e2e_wait_board '[ "$(e2e_count "$BOARD" white)" -eq 0 ] && [ "$(e2e_count "$BOARD" black)" -eq 0 ]'
e2e_log "board at ($BOARD_X, $BOARD_Y), empty"

# 2. The human places on a7: the white stone shows.
before=$(e2e_now)
e2e_click 0 0
e2e_wait_board 'e2e_point_is "$BOARD" 0,0 white'
e2e_log "white stone on a7"

# 3. The computer's stone appears once the think time of 3.5 s is up, not before.
e2e_wait_board '[ "$(e2e_count "$BOARD" black)" -eq 1 ]'
answered_after "$before" 3.5
[ "$(e2e_count "$BOARD" white)" -eq 1 ] && e2e_point_is "$BOARD" 0,0 white ||
    e2e_fail "the white stone on a7 is gone"

# 4. Options by keyboard: 6 seconds a move.
e2e_set_think_time 6

# 5. The next move: the first empty point of a few far from a7; black answers not before
# the new think time is up (the old one would have answered after 3.5 s).
target=""
for point in 6,6 6,0 0,6 6,3 3,6; do
    if e2e_point_is "$BOARD" "$point" empty; then
        target=$point
        break
    fi
done
[ -n "$target" ] || e2e_fail "no empty point to play on"
before=$(e2e_now)
e2e_click "${target%,*}" "${target#*,}"
e2e_wait_board 'e2e_point_is "$BOARD" "$target" white'
e2e_wait_board '[ "$(e2e_count "$BOARD" black)" -eq 2 ]'
answered_after "$before" 6
[ "$(e2e_count "$BOARD" white)" -eq 2 ] || e2e_fail "white does not have its two stones"

# 6. "&Datei" > "&Beenden" by keyboard: the program ends with status 0.
e2e_menu alt+d b
e2e_wait_exit
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit status $E2E_EXIT"
e2e_log "ended with status 0"
