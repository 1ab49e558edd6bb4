// The 24 board points in row-major order, written out by hand from the drawn board: the
// tests' own list of the points they place stones on and iterate.
#pragma once

#include <cstdint>

#include "position.h"

// Cell indices of the 24 board points in row-major order.
inline constexpr std::int8_t BOARD_POINTS[POINT_COUNT] = {
    CellIndex(0, 0), CellIndex(0, 3), CellIndex(0, 6),
    CellIndex(1, 1), CellIndex(1, 3), CellIndex(1, 5),
    CellIndex(2, 2), CellIndex(2, 3), CellIndex(2, 4),
    CellIndex(3, 0), CellIndex(3, 1), CellIndex(3, 2), CellIndex(3, 4), CellIndex(3, 5), CellIndex(3, 6),
    CellIndex(4, 2), CellIndex(4, 3), CellIndex(4, 4),
    CellIndex(5, 1), CellIndex(5, 3), CellIndex(5, 5),
    CellIndex(6, 0), CellIndex(6, 3), CellIndex(6, 6),
};
