// The stepping rule of a slide, shared by the move generator and the search's own tables.
#pragma once

#include "board_geometry.h"

// Slide directions of the direction cursor, in the order they are tried.
inline constexpr int DIRECTION_LEFT = 1;   // column - 1
inline constexpr int DIRECTION_DOWN = 2;   // row + 1
inline constexpr int DIRECTION_RIGHT = 3;  // column + 1
inline constexpr int DIRECTION_UP = 4;     // row - 1

constexpr int DirectionRowStep(int nDirection) {
    return nDirection == DIRECTION_DOWN ? 1 : nDirection == DIRECTION_UP ? -1 : 0;
}
constexpr int DirectionColStep(int nDirection) {
    return nDirection == DIRECTION_RIGHT ? 1 : nDirection == DIRECTION_LEFT ? -1 : 0;
}

// The stepping rule: step once; while the square reached is on the grid, off-board and on
// neither row 3 nor column 3, step again. The first square off the grid (-1), on a board
// point, or off-board on row or column 3 (only the centre) ends the slide.
constexpr int ComputeSlideTarget(int nCell, int nDirection) {
    const int nRowStep = DirectionRowStep(nDirection);
    const int nColStep = DirectionColStep(nDirection);
    int nRow = nCell / GRID_SIZE + nRowStep;
    int nCol = nCell % GRID_SIZE + nColStep;
    while (IsOnGrid(nRow, nCol) && BOARD_TEMPLATE[CellIndex(nRow, nCol)] == CELL_OFFBOARD &&
           nRow != 3 && nCol != 3) {
        nRow += nRowStep;
        nCol += nColStep;
    }
    return IsOnGrid(nRow, nCol) ? CellIndex(nRow, nCol) : -1;
}
