// The neighbours of each board point, written out by hand from the drawn board: an
// independent statement of the board's geometry that the tests hold the rules' slide test
// and mobility count against.
#pragma once

#include <cstdint>

#include "board_points.h"
#include "position.h"

// Neighbours of each board point, in the order of BOARD_POINTS, as cell indices; -1 pads.
// Neighbours lie on the same grid row or column at that line's step (3 outer, 2 middle,
// 1 inner ring and cross lines); the step never crosses the off-board centre (3, 3).
// clang-format off
inline constexpr std::int8_t POINT_NEIGHBOURS[POINT_COUNT][4] = {
    /* (0,0) */ {CellIndex(0, 3), CellIndex(3, 0), -1, -1},
    /* (0,3) */ {CellIndex(0, 0), CellIndex(0, 6), CellIndex(1, 3), -1},
    /* (0,6) */ {CellIndex(0, 3), CellIndex(3, 6), -1, -1},
    /* (1,1) */ {CellIndex(1, 3), CellIndex(3, 1), -1, -1},
    /* (1,3) */ {CellIndex(0, 3), CellIndex(1, 1), CellIndex(1, 5), CellIndex(2, 3)},
    /* (1,5) */ {CellIndex(1, 3), CellIndex(3, 5), -1, -1},
    /* (2,2) */ {CellIndex(2, 3), CellIndex(3, 2), -1, -1},
    /* (2,3) */ {CellIndex(1, 3), CellIndex(2, 2), CellIndex(2, 4), -1},
    /* (2,4) */ {CellIndex(2, 3), CellIndex(3, 4), -1, -1},
    /* (3,0) */ {CellIndex(0, 0), CellIndex(3, 1), CellIndex(6, 0), -1},
    /* (3,1) */ {CellIndex(1, 1), CellIndex(3, 0), CellIndex(3, 2), CellIndex(5, 1)},
    /* (3,2) */ {CellIndex(2, 2), CellIndex(3, 1), CellIndex(4, 2), -1},
    /* (3,4) */ {CellIndex(2, 4), CellIndex(3, 5), CellIndex(4, 4), -1},
    /* (3,5) */ {CellIndex(1, 5), CellIndex(3, 4), CellIndex(3, 6), CellIndex(5, 5)},
    /* (3,6) */ {CellIndex(0, 6), CellIndex(3, 5), CellIndex(6, 6), -1},
    /* (4,2) */ {CellIndex(3, 2), CellIndex(4, 3), -1, -1},
    /* (4,3) */ {CellIndex(4, 2), CellIndex(4, 4), CellIndex(5, 3), -1},
    /* (4,4) */ {CellIndex(3, 4), CellIndex(4, 3), -1, -1},
    /* (5,1) */ {CellIndex(3, 1), CellIndex(5, 3), -1, -1},
    /* (5,3) */ {CellIndex(4, 3), CellIndex(5, 1), CellIndex(5, 5), CellIndex(6, 3)},
    /* (5,5) */ {CellIndex(3, 5), CellIndex(5, 3), -1, -1},
    /* (6,0) */ {CellIndex(3, 0), CellIndex(6, 3), -1, -1},
    /* (6,3) */ {CellIndex(5, 3), CellIndex(6, 0), CellIndex(6, 6), -1},
    /* (6,6) */ {CellIndex(3, 6), CellIndex(6, 3), -1, -1},
};
// clang-format on
