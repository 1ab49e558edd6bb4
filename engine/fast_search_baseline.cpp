// The search for every amd64 processor: population counts in plain arithmetic.
#include "fast_search.h"
#include "fast_search_impl.h"

int AlphaBetaCompactBaseline(const CompactBoard& board, int nDepth, int bMaximising, int nAlpha,
                             int nBeta, int nSearchSide) {
    return SearchCompactEntry(board, nDepth, bMaximising, nAlpha, nBeta, nSearchSide);
}
