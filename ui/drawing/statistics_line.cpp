#include "statistics_line.h"

#include <cstdio>

#include "evaluate.h"
#include "search.h"

std::string FormatStatisticsLine(int nDepth, std::int64_t nNodes, int nBlackScore,
                                 int nWhiteScore) {
    // The blanks belong to the format, as on the original line.
    char szLine[128];
    std::snprintf(szLine, sizeof szLine,
                  "Hz: %d, Pos: %lld, BS: %d, BW: %d                              ", nDepth,
                  static_cast<long long>(nNodes), nBlackScore, nWhiteScore);
    return szLine;
}

std::string StatisticsLine(const Position& pos) {
    const int nWhiteScore = Evaluate(pos, PLAYER_WHITE);
    const int nBlackScore = Evaluate(pos, PLAYER_BLACK);
    return FormatStatisticsLine(g_nSearchDepth - 1, g_nNodeCount, nBlackScore, nWhiteScore);
}
