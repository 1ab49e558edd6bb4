// The game position of Nine Men's Morris and the rule primitives that every other
// part of the program shares: stone counts, mobility, mills, slides and moves.
#pragma once

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
// clang-format on

// A game position: a plain record of 51 signed 32-bit integers, copied whole by assignment.
// Elements 0..48 are the cells, 49 white's and 50 black's stones in hand.
//
// Invariants of every position the game produces: off-board squares hold CELL_OFFBOARD,
// board points hold CELL_EMPTY, PLAYER_BLACK or PLAYER_WHITE, hand counts lie in 0..9.
// The operations below never read off-board squares except where noted, so they stay
// memory-safe on any 51 integers; their results are only meaningful for valid positions.
struct Position {
    std::int32_t m_anData[POSITION_SIZE];

    std::int32_t& Cell(int nRow, int nCol) { return m_anData[CellIndex(nRow, nCol)]; }
    std::int32_t Cell(int nRow, int nCol) const { return m_anData[CellIndex(nRow, nCol)]; }

    // Stones in hand of nPlayer: white's for PLAYER_WHITE, black's for any other value.
    std::int32_t& Hand(int nPlayer) {
        return m_anData[nPlayer == PLAYER_WHITE ? WHITE_HAND : BLACK_HAND];
    }
    std::int32_t Hand(int nPlayer) const {
        return m_anData[nPlayer == PLAYER_WHITE ? WHITE_HAND : BLACK_HAND];
    }

    // Becomes the start position (the empty board, nine stones in each hand); returns
    // itself so that a temporary can be reset and copied in one expression.
    Position& ResetPosition();

    // Stones of nPlayer on the 24 points plus nPlayer's stones in hand.
    int CountStones(int nPlayer) const;

    // Number of (stone of nPlayer, empty neighbour point) pairs. An empty point next to two
    // of the player's stones counts twice; stones in hand count nothing.
    int CountMobility(int nPlayer) const;

    // 1 when the column line or the row line chosen for (nRow, nCol) is a mill of nPlayer.
    // For a board point these are the point's own two lines, so the result is 1 exactly when
    // the point holds nPlayer's stone standing in a mill. For an off-board square the same
    // selection by row and column index applies. The caller guarantees 0..6 for both.
    int IsInMill(int nRow, int nCol, int nPlayer) const;

    // 1 when the stone on the source may slide to the target: every coordinate in 0..6, the
    // source holds a stone of either colour, the target is an empty neighbour point.
    int IsLegalSlide(int nFromRow, int nFromCol, int nToRow, int nToCol) const;

    // Writes the source value into the target, then empties the source; always returns 1.
    // Tests nothing: the caller guarantees coordinates in 0..6 and a sensible move. A move
    // of a square onto itself leaves that square empty.
    int MoveStone(int nFromRow, int nFromCol, int nToRow, int nToCol);

    bool operator==(const Position&) const = default;
};

// The step between neighbouring points on grid row or column nLine (0..6): 3 on the outer
// ring's lines, 2 on the middle ring's, 1 on the inner ring's and on the cross lines.
inline constexpr int LineStep(int nLine) {
    return (nLine == 0 || nLine == 6) ? 3 : (nLine == 1 || nLine == 5) ? 2 : 1;
}
