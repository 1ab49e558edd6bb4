// The search for processors with the population-count instruction. This source alone is
// built with it; AlphaBetaCompact calls it only where the processor has it.
#include "fast_search.h"
#include "fast_search_impl.h"

int AlphaBetaCompactPopcnt(const CompactBoard& board, int nDepth, int bMaximising, int nAlpha,
                           int nBeta, int nSearchSide) {
    return SearchCompactEntry(board, nDepth, bMaximising, nAlpha, nBeta, nSearchSide);
}
