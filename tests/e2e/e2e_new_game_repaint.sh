#!/bin/sh
# End-to-end test of the repaints that do not erase, in the real window: a game is won with
# stones of both sides captured, and once its closing box is answered the new game is
# painted over the old picture. Below the board, where the captured rows were, every pixel
# must then be white, and the whole picture must equal what an erasing paint shows (the one
# that follows a resize of the window). The game's window is started one slide before the
# human's win (pelvar_endgame_window), so the route to the game's end is fixed. Screenshots
# of a failing run are kept and named.
# Usage: e2e_new_game_repaint.sh ENDGAME_WINDOW ARTIFACT_ROOT
set -u
. "$(dirname "$0")/xvfb_session.sh"
PELVAR=$1
e2e_init new_game_repaint "$2"
e2e_require_tools
e2e_start_xvfb
e2e_start_app "$PELVAR"
e2e_wait_window "Unbenannt - Pelvar"
MAIN_WINDOW=$E2E_WINDOW

EMPTY_BOARD='[ "$(e2e_count "$BOARD" white)" -eq 0 ] && [ "$(e2e_count "$BOARD" black)" -eq 0 ]'

# Screen pixel of a logical coordinate of the view (850 pixels per 10000 units from the
# board's top-left corner, which is logical (0, 0)).
screen_x() {
    echo $((BOARD_X + ($1 * 85 + 500) / 1000))
}
screen_y() {
    echo $((BOARD_Y + ($1 * 85 + 500) / 1000))
}

# crop SHOT LEFT TOP RIGHT BOTTOM OUT: the logical rectangle of the view cut out of a shot.
crop() {
    x=$(screen_x "$2")
    y=$(screen_y "$3")
    convert "$1" -crop "$(($(screen_x "$4") - x))x$(($(screen_y "$5") - y))+$x+$y" +repage "$6" ||
        e2e_fail "cannot crop $1"
}

# pixel_hex SHOT X Y: the colour of a screen pixel as RRGGBB.
pixel_hex() {
    convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6
}

# 1. White a7, a4, d1, g7, e5 against black g1, f2, c4, with four white and six black stones
# in the captured rows.
e2e_wait_board '[ "$(e2e_count "$BOARD" white)" -eq 5 ] && [ "$(e2e_count "$BOARD" black)" -eq 3 ]'
e2e_log "board at ($BOARD_X, $BOARD_Y), the end game set up"

# 2. d1 slides to a1 and closes the mill a7-a4-a1; taking g1 leaves black two stones, and
# the human's win is announced in a box captioned with the application's title.
e2e_click 3 6
e2e_click 0 6
e2e_wait_board 'e2e_point_is "$BOARD" 0,6 white && e2e_point_is "$BOARD" 3,6 empty'
e2e_click 6 6
e2e_wait_window Pelvar
BOX=$E2E_WINDOW
E2E_WINDOW=$MAIN_WINDOW
e2e_wait_board 'e2e_point_is "$BOARD" 6,6 empty'
over=$SHOT
last_white=$(pixel_hex "$over" "$(screen_x 2500)" "$(screen_y 5625)")
last_black=$(pixel_hex "$over" "$(screen_x 4375)" "$(screen_y 6250)")
e2e_log "game over; last captured stones: white row $last_white, black row $last_black"
[ "$last_white" = "$WHITE_FACE" ] && [ "$last_black" = "$BLACK_FACE" ] ||
    e2e_fail "the captured rows do not show four white and seven black stones"

# 3. The box answered: the new game is painted without erasing.
xdotool windowfocus --sync "$BOX" 2>/dev/null || xdotool windowfocus "$BOX"
xdotool key --clearmodifiers Return
e2e_wait_window_gone Pelvar
e2e_wait_board "$EMPTY_BOARD"
fresh_game=$SHOT

# 4. Below the board's frame, from the margin on the left to the right end of black's hand,
# down past the captured rows, nothing but white.
crop "$fresh_game" -300 5060 8470 6820 "$E2E_DIR/below-board.png"
colours=$(convert "$E2E_DIR/below-board.png" -depth 8 -unique-colors txt:- | grep -v '^#' |
    grep -vc '#FFFFFF')
[ "$colours" -eq 0 ] ||
    e2e_fail "below the board $colours colours other than white stay after the new game"
e2e_log "below the board all white"

# 5. A resize of the window makes the toolkit erase and repaint it. Once the new strip on
# the right shows the white background, the picture must be what the repaint left.
eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
xdotool windowsize "$MAIN_WINDOW" $((WIDTH + 40)) "$HEIGHT"
strip_x=$((X + WIDTH + 20))
start=$(e2e_now)
while :; do
    erased=$(e2e_shot erased) || e2e_fail "no screenshot"
    [ "$(pixel_hex "$erased" "$strip_x" "$(screen_y 2500)")" = FFFFFF ] &&
        [ "$(pixel_hex "$erased" $((strip_x + 1)) "$(screen_y 2500)")" = FFFFFF ] && break
    awk -v t="$(e2e_elapsed "$start")" -v m="$E2E_PATIENCE" 'BEGIN { exit !(t > m) }' &&
        e2e_fail "the window was not repainted within $E2E_PATIENCE s of the resize"
    sleep 0.1
done
crop "$fresh_game" -350 -350 8800 7000 "$E2E_DIR/picture-after-new-game.png"
crop "$erased" -350 -350 8800 7000 "$E2E_DIR/picture-erased.png"
differing=$(compare -metric AE "$E2E_DIR/picture-after-new-game.png" "$E2E_DIR/picture-erased.png" \
    null: 2>&1)
[ "$differing" = 0 ] ||
    e2e_fail "$differing pixels of the new game differ from an erasing paint of it"
e2e_log "the new game's picture equals an erasing paint"

# 6. "&Datei" > "&Beenden" by keyboard: the program ends with status 0.
e2e_menu alt+d b
e2e_wait_exit
[ "$E2E_EXIT" -eq 0 ] || e2e_fail "exit status $E2E_EXIT"
