#!/bin/sh
# End-to-end test of the real program on a private X server: the window shows an empty
# board; a click on a7 puts a white stone there and the computer answers with a black stone
# once its 3.5 seconds are up; "Einstellungen > Optionen", opened with the keyboard, sets
# 0.5 seconds, and the next answer comes that much sooner; "Datei > Beenden" ends the program
# with status 0. Screenshots of a failing run are kept and named.
# Usage: e2e_game.sh PELVAR ARTIFACT_ROOT
set -u
. "$(dirname "$0")/xvfb_session.sh"
PELVAR=$1
e2e_init game "$2"
e2e_require_tools
e2e_start_xvfb
e2e_start_app "$PELVAR"
e2e_wait_window "Unbenannt - Pelvar" 30

# 1. A new game: the board, no stone on it.
e2e_wait_board 15 '[ "$(e2e_count "$BOARD" white)" -eq 0 ] && [ "$(e2e_count "$BOARD" black)" -eq 0 ]'
e2e_log "board at ($BOARD_X, $BOARD_Y), empty"

# 2. The human places on a7: the stone shows at once, while the computer thinks.
e2e_click 0 0
clicked=$(e2e_now)
e2e_wait_board 3 'e2e_point_is "$BOARD" 0,0 white'
e2e_log "white stone on a7 after $WAITED s"

# 3. The computer's stone appears once the think time of 3.5 s is up, not before.
e2e_wait_board 9 '[ "$(e2e_count "$BOARD" black)" -eq 1 ]'
reply=$(e2e_elapsed "$clicked")
e2e_log "black stone after $reply s"
awk -v t="$reply" 'BEGIN { exit !(t >= 3.0 && t <= 9.0) }' ||
    e2e_fail "black answered after $reply s, expected about 3.5 s"
[ "$(e2e_count "$BOARD" white)" -eq 1 ] && e2e_point_is "$BOARD" 0,0 white ||
    e2e_fail "the white stone on a7 is gone"

# 4. Options by keyboard: 0.5 seconds per move.
e2e_set_seconds 0.5

# 5. The next move: the first empty point of a few far from a7; black answers within the
# new think time (the old one would take 3.5 s).
target=""
for point in 6,6 6,0 0,6 6,3 3,6; do
    if e2e_point_is "$BOARD" "$point" empty; then
        target=$point
        break
    fi
done
[ -n "$target" ] || e2e_fail "no empty point to play on"
e2e_click "${target%,*}" "${target#*,}"
clicked=$(e2e_now)
e2e_wait_board 3 'e2e_point_is "$BOARD" "$target" white'
e2e_wait_board 6 '[ "$(e2e_count "$BOARD" black)" -eq 2 ]'
reply=$(e2e_elapsed "$clicked")
e2e_log "white on $target, black answered after $reply s"
awk -v t="$reply" 'BEGIN { exit !(t <= 3.0) }' ||
    e2e_fail "black answered after $reply s although the think time is 0.5 s"
[ "$(e2e_count "$BOARD" white)" -eq 2 ] || e2e_fail "white does not have its two stones"

# 6. "&Datei" > "&Beenden" by keyboard: the program ends with status 0.
e2e_keys alt+d b
e2e_wait_exit 10
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit status $E2E_EXIT"
e2e_log "ended with status 0"
