// Measures what serving Qt's event queue costs the search, and how late the think timer
// ends a search, with the pump and the think timer the game window uses. Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
//
//   (a) node rate: the engine's bench positions searched to their fixed depths, once with
//       the null pump and once with the rate-limited Qt pump, alternately, in each round;
//   (b) lateness: searches from varied positions, each bounded by the think timer; the
//       time from arming the timer to the search's return, less the think time.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench_positions.h"
#include "evaluate.h"
#include "flag_watch_pump.h"
#include "position_text.h"
#include "qt_search_pump.h"
#include "sample_summary.h"
#include "search.h"
#include "search_scope.h"
#include "think_timer.h"
#include "varied_positions.h"

namespace {

using Clock = std::chrono::steady_clock;

const char* const USAGE =
    "usage: pelvar-pump-bench [--rounds N] [--searches N] [--think MS] [--interval-us US]"
    " [--no-node-rate] [--no-lateness]";

// Long enough that neither timer fires during a fixed-depth search.
constexpr int NEVER_MILLISECONDS = 3600000;
constexpr std::uint32_t POSITION_SEED = 1;

struct BenchOptions {
    int nRounds = 3;         // rounds of (a), runs of (b)
    int nSearches = 100;     // searches per run of (b)
    int nThinkMs = 200;      // think time of each search of (b)
    int nIntervalUs = 1000;  // how often the rate limiter lets the Qt pump serve the queue
    bool bNodeRate = true;
    bool bLateness = true;
};

std::optional<BenchOptions> ParseOptions(int argc, char** argv) {
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        int* pnValue = arg == "--rounds"        ? &options.nRounds
                       : arg == "--searches"    ? &options.nSearches
                       : arg == "--think"       ? &options.nThinkMs
                       : arg == "--interval-us" ? &options.nIntervalUs
                                                : nullptr;
        if (pnValue && i + 1 < argc) {
            const int nValue = std::atoi(argv[++i]);
            if (nValue < 1 || nValue > 1000000) {
                return std::nullopt;
            }
            *pnValue = nValue;
        } else if (arg == "--no-node-rate") {
            options.bNodeRate = false;
        } else if (arg == "--no-lateness") {
            options.bLateness = false;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// Seconds of CPU time this thread has used. Other programs running on the same cores
// slow a search down in wall time but hardly in CPU time, so the node rate per CPU second
// compares the two pumps fairly on a busy machine.
double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct NodeRate {
    std::uint64_t nNodes = 0;
    double dSeconds = 0;     // wall time
    double dCpuSeconds = 0;  // CPU time of this thread
    double Nps() const { return dSeconds > 0 ? static_cast<double>(nNodes) / dSeconds : 0; }
    double CpuNps() const {
        return dCpuSeconds > 0 ? static_cast<double>(nNodes) / dCpuSeconds : 0;
    }
};

// Searches bench to its depth with the random term off and pPump installed (nullptr: the
// null pump), and adds the nodes and times to rate.
void SearchToDepth(const BenchPosition& bench, CMessagePump* pPump, NodeRate& rate) {
    std::string strError;
    std::optional<PositionText> parsed = ParsePositionText(bench.pszPosition, strError);
    if (!parsed) {
        return;
    }
    CSearchScope scope(pPump, 0);
    const double dCpuStart = ThreadCpuSeconds();
    const Clock::time_point start = Clock::now();
    scope.Search(parsed->pos, parsed->nSideToMove, bench.nDepth);
    rate.dSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    rate.dCpuSeconds += ThreadCpuSeconds() - dCpuStart;
    rate.nNodes += static_cast<std::uint64_t>(g_nNodeCount);
}

// The node rates of a pump from the best time of each position over all rounds: on a
// shared machine the best of several runs comes nearest to the speed the code has alone.
struct BestTimes {
    std::vector<double> wall =
        std::vector<double>(static_cast<std::size_t>(BENCH_POSITION_COUNT), 1e300);
    std::vector<double> cpu =
        std::vector<double>(static_cast<std::size_t>(BENCH_POSITION_COUNT), 1e300);
    std::uint64_t nNodes = 0;  // of one round

    void Add(int nPosition, const NodeRate& rate) {
        const auto i = static_cast<std::size_t>(nPosition);
        wall[i] = std::min(wall[i], rate.dSeconds);
        cpu[i] = std::min(cpu[i], rate.dCpuSeconds);
    }
    double WallNps() const { return static_cast<double>(nNodes) / Sum(wall); }
    double CpuNps() const { return static_cast<double>(nNodes) / Sum(cpu); }
    static double Sum(const std::vector<double>& times) {
        double dSum = 0;
        for (double dTime : times) {
            dSum += dTime;
        }
        return dSum;
    }
};

// (a) The node rate with the Qt pump against the null pump. Each bench position is searched
// with both, one right after the other and in turns first, so that a change in the load of
// the machine hits both alike.
void MeasureNodeRate(const BenchOptions& options, CQtSearchPump& pump, CThinkTimer& timer) {
    std::printf("(a) node rate: bench positions to fixed depths, random term off, %d rounds\n",
                options.nRounds);
    std::vector<double> ratios;
    std::vector<double> cpuRatios;
    BestTimes bestNull;
    BestTimes bestQt;
    int nTurn = 0;
    for (int nRound = 1; nRound <= options.nRounds; ++nRound) {
        NodeRate nullRate;
        NodeRate qtRate;
        for (int i = 0; i < BENCH_POSITION_COUNT; ++i) {
            NodeRate nullOne;
            NodeRate qtOne;
            for (int nPass = 0; nPass < 2; ++nPass) {
                if ((nPass == 0) == (nTurn % 2 == 0)) {
                    SearchToDepth(BENCH_POSITIONS[i], nullptr, nullOne);
                } else {
                    timer.StartThinkTimer(NEVER_MILLISECONDS);
                    SearchToDepth(BENCH_POSITIONS[i], &pump.Pump(), qtOne);
                }
            }
            ++nTurn;
            bestNull.Add(i, nullOne);
            bestQt.Add(i, qtOne);
            for (auto [pTotal, pOne] :
                 {std::pair(&nullRate, &nullOne), std::pair(&qtRate, &qtOne)}) {
                pTotal->nNodes += pOne->nNodes;
                pTotal->dSeconds += pOne->dSeconds;
                pTotal->dCpuSeconds += pOne->dCpuSeconds;
            }
        }
        bestNull.nNodes = nullRate.nNodes;
        bestQt.nNodes = qtRate.nNodes;
        ratios.push_back(100.0 * qtRate.Nps() / nullRate.Nps());
        cpuRatios.push_back(100.0 * qtRate.CpuNps() / nullRate.CpuNps());
        std::printf(
            "  round %d: wall: null pump %9.0f nps, Qt pump %9.0f nps, ratio %5.1f %%; per CPU "
            "second: %9.0f, %9.0f, ratio %5.1f %%%s\n",
            nRound, nullRate.Nps(), qtRate.Nps(), ratios.back(), nullRate.CpuNps(), qtRate.CpuNps(),
            cpuRatios.back(), nullRate.nNodes == qtRate.nNodes ? "" : "  NODE COUNTS DIFFER");
    }
    const SampleSummary wall = Summarize(ratios);
    const SampleSummary cpu = Summarize(cpuRatios);
    std::printf(
        "  best of, each position's best time: wall: null pump %.0f nps, Qt pump %.0f nps, ratio "
        "%.1f %%; per CPU second: %.0f, %.0f, ratio %.1f %%\n",
        bestNull.WallNps(), bestQt.WallNps(), 100.0 * bestQt.WallNps() / bestNull.WallNps(),
        bestNull.CpuNps(), bestQt.CpuNps(), 100.0 * bestQt.CpuNps() / bestNull.CpuNps());
    std::printf("  spread of the ratio per round, wall: min %.1f %%, median %.1f %%, max %.1f %%\n",
                wall.dMin, wall.dMedian, wall.dMax);
    std::printf("  spread of the ratio per round, CPU:  min %.1f %%, median %.1f %%, max %.1f %%\n",
                cpu.dMin, cpu.dMedian, cpu.dMax);
    std::printf("  queue passes served %llu, real peeks %llu\n",
                static_cast<unsigned long long>(pump.QtPump().Dispatches()),
                static_cast<unsigned long long>(pump.RateLimiter().RealPeeks()));
}

// (b) How late searches bounded by the think timer end.
void MeasureLateness(const BenchOptions& options, CQtSearchPump& pump, CThinkTimer& timer) {
    std::printf("(b) lateness: %d searches of %d ms from varied positions, %d runs\n",
                options.nSearches, options.nThinkMs, options.nRounds);
    const std::vector<PositionText> positions = VariedPositions(options.nSearches, POSITION_SEED);
    CFlagWatchPump watch(pump.Pump());
    CSearchScope scope(&watch, CSearchScope::KEEP_RANDOM);
    std::vector<SampleSummary> runs;
    for (int nRun = 1; nRun <= options.nRounds; ++nRun) {
        std::vector<double> late;
        std::vector<double> callbackLate;
        std::vector<double> unwinding;
        std::vector<double> cpuShares;
        int nEarly = 0;
        int nDepthSum = 0;
        for (const PositionText& position : positions) {
            Position pos = position.pos;
            watch.Reset();
            const double dCpuStart = ThreadCpuSeconds();
            const Clock::time_point start = Clock::now();
            timer.StartThinkTimer(options.nThinkMs);
            scope.Search(pos, position.nSideToMove);
            const Clock::time_point end = Clock::now();
            cpuShares.push_back(100.0 * (ThreadCpuSeconds() - dCpuStart) /
                                std::chrono::duration<double>(end - start).count());
            const double dLate = Milliseconds(end - start) - options.nThinkMs;
            if (dLate < 0 || !watch.StoppedAt()) {
                ++nEarly;
            } else {
                late.push_back(dLate);
                callbackLate.push_back(Milliseconds(*watch.StoppedAt() - start) - options.nThinkMs);
                unwinding.push_back(Milliseconds(end - *watch.StoppedAt()));
                nDepthSum += g_nSearchDepth - 1;
            }
            // Back in the application's loop for a moment, as after a computer move.
            QCoreApplication::processEvents();
        }
        const SampleSummary summary = Summarize(late);
        const SampleSummary callback = Summarize(callbackLate);
        const SampleSummary unwind = Summarize(unwinding);
        const SampleSummary cpuShare = Summarize(cpuShares);
        runs.push_back(summary);
        std::printf(
            "  run %d: %d timed, %d ended early, mean depth %.1f, CPU share of the search median "
            "%.0f %% (min %.0f %%)\n"
            "         late by median %.2f ms, p99 %.2f ms, max %.2f ms\n"
            "         of that, until the stopping dispatch returned: median %.2f, p99 %.2f, "
            "max %.2f ms; unwinding: median %.3f, max %.3f ms\n",
            nRun, summary.nCount, nEarly,
            summary.nCount ? static_cast<double>(nDepthSum) / summary.nCount : 0.0,
            cpuShare.dMedian, cpuShare.dMin, summary.dMedian, summary.dP99, summary.dMax,
            callback.dMedian, callback.dP99, callback.dMax, unwind.dMedian, unwind.dMax);
    }
    const auto best = std::min_element(
        runs.begin(), runs.end(), [](const auto& a, const auto& b) { return a.dP99 < b.dP99; });
    auto spread = [&](double SampleSummary::*pdStat) {
        double dLow = runs.front().*pdStat;
        double dHigh = dLow;
        for (const SampleSummary& run : runs) {
            dLow = std::min(dLow, run.*pdStat);
            dHigh = std::max(dHigh, run.*pdStat);
        }
        return std::pair(dLow, dHigh);
    };
    const auto [dMedianLow, dMedianHigh] = spread(&SampleSummary::dMedian);
    const auto [dP99Low, dP99High] = spread(&SampleSummary::dP99);
    const auto [dMaxLow, dMaxHigh] = spread(&SampleSummary::dMax);
    std::printf("  best run (lowest p99): median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                best->dMedian, best->dP99, best->dMax);
    std::printf("  spread over runs: median %.2f..%.2f ms, p99 %.2f..%.2f ms, max %.2f..%.2f ms\n",
                dMedianLow, dMedianHigh, dP99Low, dP99High, dMaxLow, dMaxHigh);
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<BenchOptions> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "%s\n", USAGE);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    // The window the user would watch: a board area and a status pane with the progress.
    QWidget window;
    auto* pLayout = new QVBoxLayout(&window);
    auto* pBoard = new QWidget(&window);
    pBoard->setMinimumSize(400, 400);
    auto* pStatus = new QLabel(&window);
    pLayout->addWidget(pBoard);
    pLayout->addWidget(pStatus);
    window.show();
    QCoreApplication::processEvents();

    CThinkTimer timer([pStatus](const QString& strText) { pStatus->setText(strText); });
    CQtSearchPump pump({}, std::chrono::microseconds(options->nIntervalUs));
    std::printf("Qt search pump: clock read every %u peeks, queue served at most every %d us\n",
                CRateLimitedPump::CLOCK_PERIOD, options->nIntervalUs);
    if (options->bNodeRate) {
        MeasureNodeRate(*options, pump, timer);
    }
    if (options->bLateness) {
        MeasureLateness(*options, pump, timer);
    }
    return 0;
}
