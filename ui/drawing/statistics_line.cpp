#include "statistics_line.h"

#include <string>

#include "evaluate.h"
#include "search.h"
#include "user_texts.h"

std::string FormatStatisticsLine(int nDepth, std::int64_t nNodes, int nBlackScore,
                                 int nWhiteScore) {
    return FillText(TEXT_STATISTICS, {std::to_string(nDepth), std::to_string(nNodes),
                                      std::to_string(nBlackScore), std::to_string(nWhiteScore)});
}

std::string StatisticsLine(const Position& pos) {
    const int nWhiteScore = Evaluate(pos, PLAYER_WHITE);
    const int nBlackScore = Evaluate(pos, PLAYER_BLACK);
    return FormatStatisticsLine(g_nSearchDepth - 1, g_nNodeCount, nBlackScore, nWhiteScore);
}
