#include "fast_search.h"

namespace {

bool g_bForceBaseline = false;

}  // namespace

bool CpuHasPopcnt() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool bHas = __builtin_cpu_supports("popcnt") != 0;
    return bHas;
#else
    return false;
#endif
}

void ForceBaselineSearch(bool bBaseline) {
    g_bForceBaseline = bBaseline;
}

int AlphaBetaCompact(const CompactBoard& board, int nDepth, int bMaximising, int nAlpha, int nBeta,
                     int nSearchSide) {
    if (CpuHasPopcnt() && !g_bForceBaseline) {
        return AlphaBetaCompactPopcnt(board, nDepth, bMaximising, nAlpha, nBeta, nSearchSide);
    }
    return AlphaBetaCompactBaseline(board, nDepth, bMaximising, nAlpha, nBeta, nSearchSide);
}
