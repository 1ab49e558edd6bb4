#!/bin/sh
# Time from start to the first painted board, measured from outside on a private X server:
# the clock starts when the program is launched and stops at the first grab of one pixel
# inside the board (found by a first, untimed run) that shows the board's colour. A grab
# takes about 30 to 70 ms, which bounds the resolution. Each run starts the program afresh
# and ends it with "Datei > Beenden". The last run then places a stone, lets the computer
# answer after its 3.5 s, and reports the program's peak resident memory (VmHWM).
# Usage: bench/startup_time.sh PELVAR [RUNS]   (7 timed runs unless given)
set -u
. "$(dirname "$0")/../tests/e2e/xvfb_session.sh"
PELVAR=$1
runs=${2:-7}
e2e_init startup-time "${TMPDIR:-/tmp}/pelvar-bench"
e2e_require_tools
e2e_start_xvfb

quit_app() {
    e2e_wait_window "Unbenannt - Pelvar" 10
    e2e_menu alt+d b
    e2e_wait_exit 10
}

# Where the board lies on this screen, found once before the timed runs.
e2e_start_app "$PELVAR"
e2e_wait_window "Unbenannt - Pelvar" 30
until shot=$(e2e_shot calibrate) && e2e_find_board "$shot"; do sleep 0.2; done
probe="1x1+$((BOARD_X + 20))+$((BOARD_Y + 20))"
quit_app

# The timed runs: from the start of the program to the board's colour on the screen.
times=""
run=0
while [ "$run" -lt "$runs" ]; do
    run=$((run + 1))
    start=$(e2e_now)
    e2e_start_app "$PELVAR"
    until import -silent -window root -crop "$probe" -depth 8 txt:- 2>/dev/null |
        grep -q "#$BOARD_COLOUR"; do
        awk -v t="$(e2e_elapsed "$start")" 'BEGIN { exit !(t > 30) }' && e2e_fail "no board"
    done
    elapsed=$(e2e_elapsed "$start")
    times="$times $elapsed"
    echo "run $run: board painted after $elapsed s"
    if [ "$run" -eq "$runs" ]; then
        e2e_wait_window "Unbenannt - Pelvar" 10
        e2e_click 0 0
        sleep 6
        echo "peak resident memory after one move pair: $(sed -n 's/^VmHWM:[[:space:]]*//p' \
            "/proc/$E2E_APP_PID/status")"
    fi
    quit_app
done
echo "$times" | tr ' ' '\n' | sed '/^$/d' | sort -n |
    awk '{ t[NR] = $1 } END { printf "best %.2f s, median %.2f s of %d runs\n", t[1], t[int((NR + 1) / 2)], NR }'
