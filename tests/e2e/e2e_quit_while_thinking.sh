#!/bin/sh
# End-to-end test of the real program on a private X server: "Datei > Beenden" chosen with
# the keyboard while the computer is still thinking about its reply ends the program at
# once (well before the 3.5 s think time is up) with status 0.
# Usage: e2e_quit_while_thinking.sh PELVAR ARTIFACT_ROOT
set -u
. "$(dirname "$0")/xvfb_session.sh"
PELVAR=$1
e2e_init quit-while-thinking "$2"
e2e_require_tools
e2e_start_xvfb
e2e_start_app "$PELVAR"
e2e_wait_window "Unbenannt - Pelvar" 30

start=$(e2e_now)
until shot=$(e2e_shot board) && e2e_find_board "$shot"; do
    awk -v t="$(e2e_elapsed "$start")" 'BEGIN { exit !(t > 15) }' && e2e_fail "no board"
    sleep 0.2
done

# The click starts the computer's search; the white stone shows while it runs.
e2e_click 0 0
clicked=$(e2e_now)
until e2e_point_is "$(e2e_read_board "$(e2e_shot placed)")" 0,0 white; do
    awk -v t="$(e2e_elapsed "$clicked")" 'BEGIN { exit !(t > 2) }' &&
        e2e_fail "no white stone on a7"
    sleep 0.1
done

e2e_keys alt+d b
asked=$(e2e_now)
thinking=$(e2e_elapsed "$clicked")
e2e_wait_exit 3
took=$(e2e_elapsed "$asked")
e2e_log "quit $thinking s into the search, ended $took s later with status $E2E_EXIT"
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit status $E2E_EXIT"
awk -v a="$thinking" -v b="$took" 'BEGIN { exit !(a + b < 3.5) }' ||
    e2e_fail "the program ran on until the search was over"
