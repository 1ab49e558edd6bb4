// The move generator: enumerates the complete turns of one side, one child at a time.
#pragma once

#include <cstdint>

#include "position.h"
#include "slide_step.h"

// What a side does on its turn.
inline constexpr int MOVE_PLACE = 1;  // it still holds stones in hand
inline constexpr int MOVE_SLIDE = 2;  // it slides a stone to a neighbour point
inline constexpr int MOVE_JUMP = 3;   // it has exactly three stones and jumps anywhere

// The cell a stone on cell nCell reaches by sliding in nDirection (1..4), or -1 when the
// step leaves the grid. Stepping passes over off-board squares except the centre (3, 3),
// so a slide follows the board's lines and never crosses the centre. The target may hold
// anything; the generator still requires it to be empty.
int SlideTarget(int nCell, int nDirection);

// The enumeration state of one node of the search: a fixed-size record kept on the call
// stack, so that generating moves allocates nothing and builds no list.
//
// The children of a position come in a fixed order, which is also the search's tie-break:
//   1. placements on the empty points in column-major order (column outer, row inner);
//   2. slides: source stones in column-major order, each in direction order 1..4;
//   3. jumps: source stones in column-major order, each to the empty points in
//      column-major order.
// A move that closes a mill is not a child itself: it is replaced by one child per
// opposing stone that stands in no mill, captured stones in column-major order, so every
// child is a complete turn. A mill move while every opposing stone stands in a mill (or
// none stands on the board) gives no child at all.
//
// Calling order: InitMoves, then NextMove and MakeChild alternately until NextMove
// returns 0. Cursor values of 7 mean "run past the last row or column" and carry into the
// next outer cursor.
struct SearchNode {
    Position m_pos;           // the position whose moves are enumerated; never changed
    Position m_posAfterMove;  // after the pending mill move, before its capture
    std::int32_t m_nSide;     // side to move
    std::int32_t m_nKind;     // MOVE_PLACE, MOVE_SLIDE or MOVE_JUMP
    std::int32_t m_nFromRow;  // moving stone, or the point being filled by a placement
    std::int32_t m_nFromCol;
    std::int32_t m_nToRow;  // destination of a slide or jump
    std::int32_t m_nToCol;
    std::int32_t m_nCapturesLeft;  // opposing stones not yet examined for the pending mill
    std::int32_t m_nCaptureRow;    // capture cursor
    std::int32_t m_nCaptureCol;
    std::int32_t m_nDirection;  // slide direction cursor, 1..4

    // Both positions start as the start position, every integer as 0.
    SearchNode();

    // Prepares to enumerate nSide's moves in pos: the kind is MOVE_PLACE while nSide holds
    // stones in hand, else MOVE_JUMP with exactly three stones, else MOVE_SLIDE.
    void InitMoves(const Position& pos, int nSide);

    // 1 when the cursors describe a legal move whose child has not been built yet, 0 when
    // no move is left. Calling it again without MakeChild returns the same move; once it
    // has returned 0 it keeps returning 0.
    int NextMove();

    // Writes the child of the move that NextMove found into child, advances the cursors
    // past it and returns child. Must follow every NextMove that returned 1; after a
    // NextMove that returned 0 it writes an unchanged copy of m_pos.
    Position& MakeChild(Position& child);

private:
    int FindCapture();
    int FindPlacement();
    int FindSlide();
    int FindJump();
    int StartCapture(const Position& posAfterMove);
    void AdvanceMoveCursor();
};
