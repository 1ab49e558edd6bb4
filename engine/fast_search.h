// The search's recursion on the compact board, in one build for the baseline instruction
// set and one that uses the population-count instruction, chosen at run time.
#pragma once

#include "compact_board.h"

// AlphaBeta on the compact form of its position (nSearchSide a player, not an index).
int AlphaBetaCompact(const CompactBoard& board, int nDepth, int bMaximising, int nAlpha, int nBeta,
                     int nSearchSide);

// The two builds, for the dispatcher, the tests and the benchmark of both.
int AlphaBetaCompactBaseline(const CompactBoard& board, int nDepth, int bMaximising, int nAlpha,
                             int nBeta, int nSearchSide);
int AlphaBetaCompactPopcnt(const CompactBoard& board, int nDepth, int bMaximising, int nAlpha,
                           int nBeta, int nSearchSide);

// Whether this processor has the population-count instruction.
bool CpuHasPopcnt();

// Which build AlphaBetaCompact runs: the population-count one exactly when the processor has
// the instruction, unless bBaseline forces the baseline build (for measuring both).
void ForceBaselineSearch(bool bBaseline);
