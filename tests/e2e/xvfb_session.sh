# Shared steps of the end-to-end tests and the start-up measurement: a private X server
# (Xvfb), the game window on it, screenshots, and reading the board out of a screenshot.
# Sourced by POSIX sh scripts; every function works on the variables set here.
#
# The board is found by its colour RGB(243, 239, 73) inside a one-pixel black frame, whose
# top-left corner is logical (0, 0) of the view; board point (row, col) lies
# 53.125 * (row + 1) device pixels right of it and 53.125 * (col + 1) below it (10000
# logical units span 850 pixels, the grid is 625 logical units). A stone is told by the face
# colour of its centre disc: RGB(240, 240, 240) white, RGB(64, 64, 64) black.

E2E_SKIP=77                  # CTest's SKIP_RETURN_CODE of these tests
# Seconds a wait for something the program must do gives up after. Only a guard against a
# hang: no test passes or fails by how fast the program is, which depends on the machine's
# load; where a test checks time, it checks that something did not happen too early.
E2E_PATIENCE=60
E2E_SCREEN=1280x1024x24      # room for the window's default size
BOARD_COLOUR=F3EF49
WHITE_FACE=F0F0F0
BLACK_FACE=404040

E2E_XVFB_PID=""
E2E_APP_PID=""
E2E_WINDOW=""
BOARD_X=""
BOARD_Y=""

# e2e_init NAME ARTIFACT_ROOT: a fresh folder for this run's screenshots and logs.
e2e_init() {
    E2E_NAME=$1
    E2E_DIR=$2/$1
    rm -rf "$E2E_DIR"
    mkdir -p "$E2E_DIR" || exit 1
    trap e2e_cleanup EXIT
    trap 'exit 1' INT TERM
}

e2e_now() {
    date +%s.%N
}

# e2e_elapsed START: seconds since START (from e2e_now), with two decimals.
e2e_elapsed() {
    awk -v a="$1" -v b="$(e2e_now)" 'BEGIN { printf "%.2f", b - a }'
}

# e2e_running PID: whether the process runs (a finished child not yet waited for does not).
e2e_running() {
    [ -r "/proc/$1/stat" ] && [ "$(sed 's/.*) //' "/proc/$1/stat" | cut -c1)" != Z ]
}

e2e_log() {
    echo "[$E2E_NAME] $*"
}

# Ends the test as failed: one more screenshot, and the folder that keeps them is named.
e2e_fail() {
    echo "[$E2E_NAME] FAILED: $*" >&2
    if [ -n "$DISPLAY" ]; then
        e2e_shot failure >/dev/null 2>&1
    fi
    echo "[$E2E_NAME] screenshots and logs kept in $E2E_DIR" >&2
    E2E_KEEP=1
    exit 1
}

e2e_cleanup() {
    status=$?
    if [ -n "$E2E_APP_PID" ] && e2e_running "$E2E_APP_PID"; then
        kill "$E2E_APP_PID" 2>/dev/null
        wait "$E2E_APP_PID" 2>/dev/null
    fi
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    if [ "$status" -eq 0 ] && [ -z "${E2E_KEEP:-}" ]; then
        rm -rf "$E2E_DIR"
    fi
}

# Skips the test when there is no X server to run it on; any other missing tool fails it,
# since the test command installs them.
e2e_require_tools() {
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "[$E2E_NAME] Xvfb is not installed: skipped"
        exit "$E2E_SKIP"
    fi
    for tool in xdotool import convert; do
        command -v "$tool" >/dev/null 2>&1 || e2e_fail "$tool is not installed"
    done
}

# Starts Xvfb on a free display number and points DISPLAY at it.
e2e_start_xvfb() {
    fifo=$E2E_DIR/displayfd
    : >"$fifo"
    Xvfb -displayfd 3 -screen 0 "$E2E_SCREEN" -nolisten tcp -noreset \
        3>"$fifo" 2>"$E2E_DIR/xvfb.log" &
    E2E_XVFB_PID=$!
    start=$(e2e_now)
    while [ ! -s "$fifo" ]; do
        e2e_running "$E2E_XVFB_PID" || e2e_fail "Xvfb did not start (see xvfb.log)"
        awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' &&
            e2e_fail "Xvfb reported no display within $E2E_PATIENCE s"
        sleep 0.1
    done
    DISPLAY=:$(head -n 1 "$fifo")
    export DISPLAY
    e2e_log "Xvfb on $DISPLAY"
}

# e2e_start_app PROGRAM [ARGS...]: the game on the X server, with settings of its own.
e2e_start_app() {
    mkdir -p "$E2E_DIR/config"
    QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$E2E_DIR/config "$@" >"$E2E_DIR/app.log" 2>&1 &
    E2E_APP_PID=$!
}

# e2e_wait_window TITLE [SECONDS]: E2E_WINDOW becomes the visible window of that exact title.
e2e_wait_window() {
    limit=${2:-$E2E_PATIENCE}
    start=$(e2e_now)
    while :; do
        E2E_WINDOW=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$E2E_WINDOW" ] && return 0
        e2e_running "$E2E_APP_PID" || e2e_fail "the program ended before its window showed"
        awk -v t="$(e2e_elapsed "$start")" -v m="$limit" 'BEGIN { exit !(t > m) }' &&
            e2e_fail "no window \"$1\" within $limit s"
        sleep 0.1
    done
}

# e2e_wait_window_gone TITLE: waits until no visible window has that exact title.
e2e_wait_window_gone() {
    start=$(e2e_now)
    while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
        awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' &&
            e2e_fail "the window \"$1\" did not close within $E2E_PATIENCE s"
        sleep 0.1
    done
}

# e2e_shot NAME: a screenshot of the whole screen; prints its file name. The files are
# numbered in the order taken (the function runs in command substitutions, so the number
# comes from the folder, not from a variable).
e2e_shot() {
    number=$(find "$E2E_DIR" -maxdepth 1 -name '*.png' | wc -l)
    file=$(printf '%s/%03d-%s.png' "$E2E_DIR" "$((number + 1))" "$1")
    import -silent -window root "$file" 2>>"$E2E_DIR/import.log" || return 1
    echo "$file"
}

# e2e_find_board SHOT: BOARD_X, BOARD_Y become the board frame's top-left pixel. Returns
# non-zero when no board-coloured square of the expected size is on the screen.
e2e_find_board() {
    box=$(convert "$1" -fill black +opaque "#$BOARD_COLOUR" -format '%@' info: 2>/dev/null)
    # WxH+X+Y of the board colour: the frame's inside.
    width=${box%%x*}
    rest=${box#*x}
    height=${rest%%+*}
    rest=${rest#*+}
    case "$width$height$rest" in *[!0-9+]* | "") return 1 ;; esac
    [ "$width" -ge 400 ] && [ "$width" -le 440 ] && [ "$height" -ge 400 ] && [ "$height" -le 440 ] ||
        return 1
    BOARD_X=$((${rest%%+*} - 1))
    BOARD_Y=$((${rest#*+} - 1))
}

# e2e_point_x ROW / e2e_point_y COL: screen pixel of the board point's centre.
e2e_point_x() {
    echo $((BOARD_X + (53125 * ($1 + 1) + 500) / 1000))
}
e2e_point_y() {
    echo $((BOARD_Y + (53125 * ($1 + 1) + 500) / 1000))
}

# The 24 board points as "row,col" (row from the x axis, column from the y axis), row by row.
E2E_POINTS="0,0 0,3 0,6 1,1 1,3 1,5 2,2 2,3 2,4 3,0 3,1 3,2 4,2 4,3 4,4 5,1 5,3 5,5 6,0 6,3 6,6
3,4 3,5 3,6"

# e2e_read_board SHOT: prints one line per board point, "row,col white|black|empty", from two
# pixels of the centre disc below and left of the centre (clear of the change marker, which
# takes the upper right).
e2e_read_board() {
    format=""
    for point in $E2E_POINTS; do
        x=$(e2e_point_x "${point%,*}")
        y=$(e2e_point_y "${point#*,}")
        format="$format$point %[hex:p{$((x - 3)),$((y + 3))}] %[hex:p{$((x - 2)),$((y + 4))}]\n"
    done
    convert "$1" -depth 8 -format "$format" info: 2>/dev/null |
        awk -v w="$WHITE_FACE" -v b="$BLACK_FACE" '{
            colour = "empty"
            if (substr($2, 1, 6) == w && substr($3, 1, 6) == w) colour = "white"
            if (substr($2, 1, 6) == b && substr($3, 1, 6) == b) colour = "black"
            print $1, colour
        }'
}

# e2e_count BOARD COLOUR: how many points of a read board hold that colour.
e2e_count() {
    printf '%s\n' "$1" | grep -c " $2\$"
}

# e2e_point_is BOARD ROW,COL COLOUR: whether the point holds that colour.
e2e_point_is() {
    printf '%s\n' "$1" | grep -qx "$2 $3"
}

# e2e_click ROW COL: a left click on the board point.
e2e_click() {
    xdotool mousemove "$(e2e_point_x "$1")" "$(e2e_point_y "$2")" click 1
}

# e2e_keys KEY...: key strokes to the game window, which gets the input focus first (there
# is no window manager to give it).
e2e_keys() {
    xdotool windowfocus --sync "$E2E_WINDOW" 2>/dev/null || xdotool windowfocus "$E2E_WINDOW"
    xdotool key --clearmodifiers "$@"
}

# e2e_visible_windows: how many windows are mapped on the private X server.
e2e_visible_windows() {
    xdotool search --onlyvisible --name '' 2>/dev/null | wc -l
}

# e2e_wait_until FAILURE COMMAND...: waits until COMMAND succeeds; fails with FAILURE after
# the guard against hangs.
e2e_wait_until() {
    failure=$1
    shift
    start=$(e2e_now)
    until "$@"; do
        awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' &&
            e2e_fail "$failure"
        sleep 0.05
    done
}

# e2e_windows_compare TEST COUNT: whether the number of visible windows passes TEST (-gt,
# -lt) against COUNT.
e2e_windows_compare() {
    [ "$(e2e_visible_windows)" "$1" "$2" ]
}

# e2e_menu MENU_KEY ITEM_KEY: opens a menu of the game window with MENU_KEY (alt+d), waits
# until its popup shows, and chooses the item with ITEM_KEY. A key sent before the popup
# shows would go to the window instead.
e2e_menu() {
    before=$(e2e_visible_windows)
    e2e_keys "$1"
    e2e_wait_until "$1 opened no menu" e2e_windows_compare -gt "$before"
    xdotool key --clearmodifiers "$2"
}

# e2e_set_think_time SECONDS: "Einstellungen > Optionen" by keyboard: Alt+E opens
# "&Einstellungen", o chooses "&Optionen"; the focus starts on OK, two tabs reach the seconds
# field, whose text is replaced; Enter is OK.
e2e_set_think_time() {
    main_window=$E2E_WINDOW
    e2e_menu alt+e o
    e2e_wait_window Spieleinstellungen
    dialog=$E2E_WINDOW
    E2E_WINDOW=$main_window
    e2e_shot options >/dev/null
    xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
    xdotool key --clearmodifiers Tab Tab ctrl+a
    xdotool type --delay 50 "$1"
    e2e_shot options-typed >/dev/null
    xdotool key --clearmodifiers Return
    e2e_wait_window_gone Spieleinstellungen
    e2e_log "$1 seconds set"
}

# e2e_wait_exit [SECONDS]: waits for the program to end; E2E_EXIT becomes its status. Fails
# when it is still running after SECONDS.
e2e_wait_exit() {
    limit=${1:-$E2E_PATIENCE}
    start=$(e2e_now)
    while e2e_running "$E2E_APP_PID"; do
        if awk -v t="$(e2e_elapsed "$start")" -v m="$limit" 'BEGIN { exit !(t > m) }'; then
            e2e_fail "the program is still running $limit s after it was told to quit"
        fi
        sleep 0.05
    done
    wait "$E2E_APP_PID"
    E2E_EXIT=$?
    E2E_APP_PID=""
}

# e2e_wait_board CONDITION...: screenshots until the board, read into BOARD, meets the
# condition (a shell command); SHOT becomes that screenshot, SHOT_END the time (from e2e_now)
# at which it was complete: what it shows was on the screen by then.
e2e_wait_board() {
    start=$(e2e_now)
    while :; do
        SHOT=$(e2e_shot board) || e2e_fail "no screenshot"
        SHOT_END=$(e2e_now)
        if e2e_find_board "$SHOT"; then
            BOARD=$(e2e_read_board "$SHOT")
            if eval "$*"; then
                return 0
            fi
        fi
        if awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }'; then
            e2e_fail "after $E2E_PATIENCE s still not: $*"
        fi
        sleep 0.2
    done
}
