// The board's geometry: cell values, the 7 x 7 grid and its 24 points.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Cell values. The same numbers 1 and 2 name the players; the opponent of p is 3 - p.
inline constexpr int CELL_OFFBOARD = -1;  // a grid square that is not a board point
inline constexpr int CELL_EMPTY = 0;      // an empty board point
inline constexpr int PLAYER_BLACK = 1;    // the computer's side in normal play
inline constexpr int PLAYER_WHITE = 2;    // the human's side

inline constexpr int GRID_SIZE = 7;        // the board is a 7 x 7 grid
inline constexpr int CELL_COUNT = 49;      // cells 0..48, cell (row, col) = row * 7 + col
inline constexpr int WHITE_HAND = 49;      // element of white's stones in hand
inline constexpr int BLACK_HAND = 50;      // element of black's stones in hand
inline constexpr int POSITION_SIZE = 51;   // integers in a position record
inline constexpr int POINT_COUNT = 24;     // board points
inline constexpr int STONES_PER_SIDE = 9;  // stones each side starts with in hand
inline constexpr int JUMP_STONES = 3;      // a side this low jumps; any lower has lost

inline constexpr int Opponent(int nPlayer) {
    return 3 - nPlayer;
}
inline constexpr int CellIndex(int nRow, int nCol) {
    return nRow * GRID_SIZE + nCol;
}
inline constexpr bool IsOnGrid(int nRow, int nCol) {
    return nRow >= 0 && nRow < GRID_SIZE && nCol >= 0 && nCol < GRID_SIZE;
}

// The empty board, row-major. 0 marks one of the 24 board points, -1 an off-board square.
//
//        col 0  1  2  3  4  5  6
//   row 0    0  .  .  0  .  .  0
//   row 1    .  0  .  0  .  0  .
//   row 2    .  .  0  0  0  .  .
//   row 3    0  0  0  .  0  0  0
//   row 4    .  .  0  0  0  .  .
//   row 5    .  0  .  0  .  0  .
//   row 6    0  .  .  0  .  .  0
// clang-format off
inline constexpr std::int32_t BOARD_TEMPLATE[CELL_COUNT] = {
    //  col 0   1   2   3   4   5   6
    /* row 0 */  0, -1, -1,  0, -1, -1,  0,
    /* row 1 */ -1,  0, -1,  0, -1,  0, -1,
    /* row 2 */ -1, -1,  0,  0,  0, -1, -1,
    /* row 3 */  0,  0,  0, -1,  0,  0,  0,
    /* row 4 */ -1, -1,  0,  0,  0, -1, -1,
    /* row 5 */ -1,  0, -1,  0, -1,  0, -1,
    /* row 6 */  0, -1, -1,  0, -1, -1,  0,
};

// Whether grid square (nRow, nCol) is one of the 24 board points; false off the grid.
inline constexpr bool IsBoardPoint(int nRow, int nCol) {
    return IsOnGrid(nRow, nCol) && BOARD_TEMPLATE[CellIndex(nRow, nCol)] != CELL_OFFBOARD;
}

// Cell indices of the 24 points column by column (column outer, row inner): the order in
// which the move generator visits the points, which is also the reading order of the drawn
// board, rank 7 down to rank 1 and files a to g within a rank (a7 d7 g7 b6 ... d1 g1).
inline constexpr std::array<std::int8_t, POINT_COUNT> COLUMN_MAJOR_POINTS = [] {
    std::array<std::int8_t, POINT_COUNT> aPoints{};
    std::size_t nNext = 0;
    for (int nCol = 0; nCol < GRID_SIZE; ++nCol) {
        for (int nRow = 0; nRow < GRID_SIZE; ++nRow) {
            if (IsBoardPoint(nRow, nCol)) {
                aPoints[nNext++] = static_cast<std::int8_t>(CellIndex(nRow, nCol));
            }
        }
    }
    return aPoints;
}();

// clang-format on

// The step between neighbouring points on grid row or column nLine (0..6): 3 on the outer
// ring's lines, 2 on the middle ring's, 1 on the inner ring's and on the cross lines.
inline constexpr int LineStep(int nLine) {
    return (nLine == 0 || nLine == 6) ? 3 : (nLine == 1 || nLine == 5) ? 2 : 1;
}

// The line through a square along grid row or column nLine holds the three squares
// MillLineFirst, first + LineStep(nLine) and first + 2 * LineStep(nLine) on the crossing
// axis. Lines 0 and 6 are (0, 3, 6), 1 and 5 are (1, 3, 5), 2 and 4 are (2, 3, 4). Line 3 is
// split in two by the centre: (0, 1, 2) for a square at index <= 2 across it, else (4, 5, 6).
inline constexpr int MillLineFirst(int nLine, int nAcross) {
    if (nLine == 3) {
        return nAcross <= 2 ? 0 : 4;
    }
    return (nLine == 0 || nLine == 6) ? 0 : (nLine == 1 || nLine == 5) ? 1 : 2;
}
