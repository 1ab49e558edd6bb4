// The program's generator and evaluation, which run on the compact board, against a second
// implementation over Position records: the children of ExpectedChildren (turn_check.h),
// ReferenceEvaluate and a plain alpha-beta search on them. Of the engine it takes only the
// numbers both must agree on: the weights and scores of score_terms.h and the random sequence
// of crt_random.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "position.h"

// The children of nSide in pos from the program's move generator, SearchNode.
std::vector<Position> AllChildren(const Position& pos, int nSide);

// Evaluate as written over the counts of turn_check.h, with the same weights and the random
// number drawn at the same point.
int ReferenceEvaluate(const Position& pos, int nPlayer);

// AlphaBeta over ExpectedChildren and ReferenceEvaluate, without a message pump or run flag;
// adds its nodes to nNodes.
int ReferenceAlphaBeta(const Position& pos, int nDepth, int bMaximising, int nAlpha, int nBeta,
                       int nSearchSide, std::int64_t& nNodes);

// Compares, for pos and both sides: the compact children with ExpectedChildren (order,
// stones, hands, counts and slide masks), the compact evaluation with ReferenceEvaluate
// (score and the random numbers drawn), and both builds of the search to nDepth plies, with and
// without the random term, in a full and a narrow window, with the reference search (score, node
// count, random numbers drawn). Returns "" or the first difference. Leaves the null pump installed
// and the random flag as it was.
std::string CompareWithReference(const Position& pos, int nSide, int nDepth);
