// The rules written a second time for the tests: one turn of the move generator read back from
// the positions before and after it, and the children it must produce. Built from the board's
// data and the tests' own tables of neighbours (point_neighbours.h) by plain loops; nothing of
// the engine or of Position's rule operations.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "position.h"

// What a side does on its turn.
inline constexpr int MOVE_PLACE = 1;  // it still holds stones in hand
inline constexpr int MOVE_SLIDE = 2;  // it slides a stone to a neighbour point
inline constexpr int MOVE_JUMP = 3;   // it has exactly three stones and jumps anywhere

// What a turn did to its parent position (cells 0..48).
struct TurnChange {
    int nFrom = -1;      // cell the moving stone left; -1 for a placement
    int nTo = -1;        // cell the side's stone arrived on
    int nCaptured = -1;  // cell of the opposing stone taken; -1 for none
};

// The 24 board points in column-major order (column outer, row inner): the generator's
// order, and the reading order of the board in the engine command's text form.
const std::vector<int>& ColumnMajorPoints();

// The kind of turn nSide makes in pos: MOVE_PLACE while it holds a stone in hand, else
// MOVE_JUMP with exactly three stones on the board, else MOVE_SLIDE.
int TurnKind(const Position& pos, int nSide);

// The position after the move of change alone, before its capture.
Position ApplyMove(const Position& parent, int nSide, const TurnChange& change);

// Reads child as one turn of nSide from parent: a stone placed from hand (the hand one
// lower) or moved (a slide to a neighbour point along a line, a jump anywhere) onto an empty
// point, plus at most one opposing stone taken, only when the arrival closed a mill and only
// a stone that stood in no mill; a move that closes a mill always takes a stone. Nothing
// else may differ, the other hand and the off-board squares included. Returns "" and fills
// change for such a turn, else what is wrong.
std::string ReadTurn(const Position& parent, const Position& child, int nSide, TurnChange& change);

// The (stone of nSide, empty neighbour point) pairs in pos: the slides it could make.
int SlideCount(const Position& pos, int nSide);

// Every child of nSide in pos in the generator's order: placements on the empty points, or
// slides by source and direction (column - 1, row + 1, column + 1, row - 1), or jumps by source and
// destination, sources and destinations in column-major order; a mill move replaced by one child
// per capturable opposing stone in column-major order, by none when no opposing stone can be taken.
std::vector<Position> ExpectedChildren(const Position& pos, int nSide);

// The same children handed to visit one by one until visit returns false; returns false
// when visit stopped the walk.
bool ForEachExpectedChild(const Position& pos, int nSide,
                          const std::function<bool(const Position&)>& visit);

// Slides of nSide in pos that close a mill while no opposing stone can be taken; they give
// no child at all.
int BareMillSlides(const Position& pos, int nSide);
