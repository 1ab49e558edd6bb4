// The move generator for positions: the complete turns of one side, one child at a time.
#pragma once

#include <cstdint>

#include "compact_board.h"
#include "position.h"
#include "slide_step.h"

// The cell a stone on cell nCell reaches by sliding in nDirection (1..4), or -1 when the
// step leaves the grid or either argument is out of range. Stepping passes over off-board
// squares except the centre (3, 3), so a slide follows the board's lines and never crosses
// the centre. The target may hold anything; a slide still requires it to be empty.
constexpr int SlideTarget(int nCell, int nDirection) {
    if (nCell < 0 || nCell >= CELL_COUNT || nDirection < DIRECTION_LEFT ||
        nDirection > DIRECTION_UP) {
        return -1;
    }
    return ComputeSlideTarget(nCell, nDirection);
}

// The enumeration state of one node: a fixed-size record, so that generating moves
// allocates nothing. It runs the search's own generator (ForEachChild, compact_moves.h).
//
// The children of a position come in a fixed order, which is also the search's tie-break:
//   1. placements on the empty points in column-major order (column outer, row inner),
//      while the side holds stones in hand;
//   2. else, with exactly JUMP_STONES stones, jumps: source stones in column-major order,
//      each to the empty points in column-major order;
//   3. else slides: source stones in column-major order, each in direction order 1..4.
// A move that closes a mill is not a child itself: it is replaced by one child per
// opposing stone that stands in no mill, captured stones in column-major order, so every
// child is a complete turn. A mill move while every opposing stone stands in a mill (or
// none stands on the board) gives no child at all.
//
// Calling order: InitMoves, then NextMove and MakeChild alternately until NextMove returns
// 0. Each NextMove walks the children from the first, so a node of n children costs about
// n * n / 2 steps: meant for roots, tools and tests; the search recurses on the compact
// board itself.
class SearchNode {
public:
    // Prepares to enumerate nSide's moves in pos.
    void InitMoves(const Position& pos, int nSide);

    // 1 when a child is pending that MakeChild has not built yet, 0 when no move is left
    // (also before InitMoves). Calling it again without MakeChild returns the same move;
    // once it has returned 0 it keeps returning 0.
    int NextMove();

    // Writes the child that NextMove found into child and returns child: the position with
    // the move's points and the hands changed, everything else as it was. Must follow every
    // NextMove that returned 1; after a NextMove that returned 0 it writes an unchanged copy
    // of the position (the start position before InitMoves).
    Position& MakeChild(Position& child);

private:
    enum : std::int32_t { SEEKING, PENDING, EXHAUSTED };

    Position m_pos = Position().ResetPosition();  // the position whose moves are enumerated
    CompactBoard m_board{};                       // its compact form
    CompactBoard m_child{};                       // the pending child
    std::int32_t m_nSide = PLAYER_BLACK;          // side to move
    std::int32_t m_nMade = 0;                     // children built so far
    std::int32_t m_nState = EXHAUSTED;
};
