// The search's compact board against the reference it must match: the move generator,
// Evaluate and a plain alpha-beta search over Position records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "position.h"

// The children of nSide in pos, in the move generator's order.
std::vector<Position> AllChildren(const Position& pos, int nSide);

// AlphaBeta as written over SearchNode and Evaluate, without a message pump or run flag;
// adds its nodes to nNodes.
int ReferenceAlphaBeta(const Position& pos, int nDepth, int bMaximising, int nAlpha, int nBeta,
                       int nSearchSide, std::int64_t& nNodes);

// Compares, for pos and both sides: the compact children with the generator's (order,
// stones, hands, counts and slide masks), the compact evaluation with Evaluate (score and the
// random numbers drawn), and both builds of the search to nDepth plies, with and without the
// random term, in a full and a narrow window, with the reference search (score, node count,
// random numbers drawn). Returns "" or the first difference. Leaves the null pump installed
// and the random flag as it was.
std::string CompareWithReference(const Position& pos, int nSide, int nDepth);
