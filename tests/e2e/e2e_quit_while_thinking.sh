#!/bin/sh
# End-to-end test of the real program on a private X server: "Datei > Beenden" chosen with
# the keyboard while the computer is thinking about its reply, with an hour to think, ends
# the program with status 0: it cannot have waited for the search to finish.
# Usage: e2e_quit_while_thinking.sh PELVAR ARTIFACT_ROOT
set -u
. "$(dirname "$0")/xvfb_session.sh"
PELVAR=$1
e2e_init quit-while-thinking "$2"
e2e_require_tools
e2e_start_xvfb
e2e_start_app "$PELVAR"
e2e_wait_window "Unbenannt - Pelvar"

start=$(e2e_now)
until shot=$(e2e_shot board) && e2e_find_board "$shot"; do
    awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' &&
        e2e_fail "no board"
    sleep 0.2
done
e2e_set_think_time 3600

# The click starts the computer's search; the white stone shows while it runs.
e2e_click 0 0
clicked=$(e2e_now)
until e2e_point_is "$(e2e_read_board "$(e2e_shot placed)")" 0,0 white; do
    awk -v t="$(e2e_elapsed "$clicked")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' &&
        e2e_fail "no white stone on a7"
    sleep 0.1
done

e2e_menu alt+d b
asked=$(e2e_now)
e2e_wait_exit
e2e_log "quit $(e2e_elapsed "$clicked") s into the search, ended $(e2e_elapsed "$asked") s later with status $E2E_EXIT"
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit status $E2E_EXIT"
