// The keyboard focus on the board: the point that the board's keys act on, and where the
// arrow keys move it.
#pragma once

#include "board_geometry.h"

// A square of the 7 x 7 grid: row first, column second, as in a Position.
struct BoardPoint {
    int nRow;
    int nCol;
    bool operator==(const BoardPoint&) const = default;
};

// The arrow keys' directions on the board as drawn. The row index runs along the screen's
// x axis (files a to g from the left), the column index along its y axis (ranks 7 to 1 from
// the top), so Left and Right change the row, Up and Down the column.
enum FocusDirection : int {
    FOCUS_LEFT = 0,
    FOCUS_RIGHT = 1,
    FOCUS_UP = 2,
    FOCUS_DOWN = 3,
};

// The first board point after from in direction, on the same grid line, passing over the
// squares that are not points (the centre among them); from itself when the line holds no
// point in that direction before the board's edge. The caller guarantees that from lies on
// the grid; any direction value but the four above leaves the focus where it is.
BoardPoint NextFocusPoint(BoardPoint from, int nDirection);
