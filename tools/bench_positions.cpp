#include "bench_positions.h"

#include <chrono>
#include <iomanip>
#include <iterator>
#include <optional>
#include <string>

#include "evaluate.h"
#include "position_text.h"
#include "search.h"
#include "search_scope.h"

// Points in reading order: a7 d7 g7 b6 d6 f6 c5 d5 e5 a4 b4 c4 e4 f4 g4 c3 d3 e3 b2 d2 f2 a1 d1 g1
const BenchPosition BENCH_POSITIONS[] = {
    {"start", "........................ 9 9 W", 6},
    {"placing", "W..B.W..B...W.B..W..B... 5 5 W", 5},
    {"placing-mill", "WW.BB.....W.....B....... 6 6 W", 5},
    {"sliding", "WB.W.BB.W.BW.WB.W..B.WB. 0 0 W", 9},
    {"sliding-mill", "BB.B..W..B.W...W..W...W. 0 0 B", 9},
    {"jumping", "WW.....BB..B..B..B....W. 0 0 W", 5},
    {"mills-all-guarded", "BBB...WWW.......B.W.B.W. 0 0 W", 9},
    {"decided", "B.B.W..W..W..W.......... 0 0 W", 3},
};
const int BENCH_POSITION_COUNT = static_cast<int>(std::size(BENCH_POSITIONS));

std::uint64_t RunBench(std::ostream& out) {
    CSearchScope scope(nullptr, 0);
    std::uint64_t nTotalNodes = 0;
    double dTotalSeconds = 0;
    for (const BenchPosition& bench : BENCH_POSITIONS) {
        std::string strError;
        std::optional<PositionText> parsed = ParsePositionText(bench.pszPosition, strError);
        if (!parsed) {
            out << bench.pszName << ": " << strError << '\n';
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        scope.Search(parsed->pos, parsed->nSideToMove, bench.nDepth);
        const auto nNodes = static_cast<std::uint64_t>(g_nNodeCount);
        const double dSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        nTotalNodes += nNodes;
        dTotalSeconds += dSeconds;
        out << std::left << std::setw(18) << bench.pszName << std::right << " depth "
            << std::setw(2) << bench.nDepth << " nodes " << std::setw(10) << nNodes << " ms "
            << std::setw(6) << static_cast<std::int64_t>(dSeconds * 1000) << " nps "
            << std::setw(10)
            << static_cast<std::int64_t>(dSeconds > 0 ? static_cast<double>(nNodes) / dSeconds : 0)
            << '\n';
    }
    out << "total nodes " << nTotalNodes << " ms "
        << static_cast<std::int64_t>(dTotalSeconds * 1000) << " nps "
        << static_cast<std::int64_t>(
               dTotalSeconds > 0 ? static_cast<double>(nTotalNodes) / dTotalSeconds : 0)
        << '\n';
    return nTotalNodes;
}
