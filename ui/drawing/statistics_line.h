// The optional line of search statistics above the board.
#pragma once

#include <cstdint>
#include <string>

struct Position;

// TEXT_STATISTICS filled in order with nDepth, nNodes, nBlackScore and nWhiteScore: "Hz: 5,
// Pos: 1234, BS: -12, BW: 12" and exactly 30 blanks that overpaint the end of a longer line
// from an earlier paint.
std::string FormatStatisticsLine(int nDepth, std::int64_t nNodes, int nBlackScore, int nWhiteScore);

// The line for pos as the board shows it: the depth of the last completed search iteration
// (g_nSearchDepth - 1), the node count, and the evaluation of pos for black and for white.
// White is evaluated first, so with random moves on the first random number goes to white.
std::string StatisticsLine(const Position& pos);
