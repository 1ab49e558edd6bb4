// The engine's benchmark with each build of the search: the baseline one that runs on every
// amd64 processor and, where the processor has it, the one with the population-count
// instruction; in turns, so that a change in the machine's load hits both alike.
//
//   pelvar-search-builds-bench [ROUNDS]
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "bench_positions.h"
#include "fast_search.h"

int main(int argc, char** argv) {
    const int nRounds = argc > 1 ? std::atoi(argv[1]) : 5;
    std::cout << "processor has popcnt: " << (CpuHasPopcnt() ? "yes" : "no") << '\n';
    for (int nRound = 1; nRound <= nRounds; ++nRound) {
        for (bool bBaseline : {false, true}) {
            ForceBaselineSearch(bBaseline);
            std::ostringstream report;
            RunBench(report);
            const std::string strReport = report.str();
            const std::size_t nTotal = strReport.rfind("total");
            std::cout << "round " << nRound << (bBaseline ? " baseline: " : " popcnt:   ")
                      << strReport.substr(nTotal);
        }
    }
    ForceBaselineSearch(false);
    return 0;
}
