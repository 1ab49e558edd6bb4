#include "engine_command.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>

#include "bench_positions.h"
#include "deadline_pump.h"
#include "perft.h"
#include "position_text.h"
#include "printable_text.h"
#include "rate_limited_pump.h"
#include "search.h"
#include "search_node.h"
#include "search_scope.h"

namespace {

// Beyond these a command would run for hours or years; they are refused as bad input.
constexpr int MAX_PERFT_DEPTH = 8;
constexpr int MAX_THINK_MILLISECONDS = 3600000;

struct CommandError {
    std::string strMessage;
};

std::string UsageLine();

// An argument as an error message shows it: quoted, escaped and shortened to one line.
std::string Quoted(const std::string& text) {
    return "'" + PrintableExcerpt(text, ARGUMENT_EXCERPT_LENGTH) + "'";
}

// A whole decimal number in [nMin, nMax], or an error naming what it was meant to be.
int ParseBoundedInt(const std::string& text, int nMin, int nMax, const char* pszWhat) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        throw CommandError{std::string(pszWhat) + " must be a whole number from " +
                           std::to_string(nMin) + " to " + std::to_string(nMax) + ", not " +
                           Quoted(text)};
    }
    const int nValue = std::stoi(text);
    if (nValue < nMin || nValue > nMax) {
        throw CommandError{std::string(pszWhat) + " must be from " + std::to_string(nMin) + " to " +
                           std::to_string(nMax) + ", not " + text};
    }
    return nValue;
}

PositionText ParsePositionArg(const std::string& text) {
    std::string strError;
    std::optional<PositionText> parsed = ParsePositionText(text, strError);
    if (!parsed) {
        throw CommandError{"bad position: " + strError};
    }
    return *parsed;
}

void ExpectArgCount(const std::vector<std::string>& args, std::size_t nCount) {
    if (args.size() != nCount) {
        throw CommandError{"'" + args[0] + "' takes " + std::to_string(nCount - 1) +
                           " argument(s); " + UsageLine()};
    }
}

int CommandPerft(const std::vector<std::string>& args, std::ostream& out) {
    ExpectArgCount(args, 3);
    const int nDepth = ParseBoundedInt(args[1], 1, MAX_PERFT_DEPTH, "perft depth");
    const PositionText position = ParsePositionArg(args[2]);
    for (int nPly = 1; nPly <= nDepth; ++nPly) {
        out << "perft " << nPly << ' ' << Perft(position.pos, position.nSideToMove, nPly) << '\n';
    }
    return 0;
}

int CommandChildren(const std::vector<std::string>& args, std::ostream& out) {
    ExpectArgCount(args, 2);
    const PositionText position = ParsePositionArg(args[1]);
    SearchNode node;
    Position posChild;
    node.InitMoves(position.pos, position.nSideToMove);
    while (node.NextMove()) {
        out << FormatPositionText(node.MakeChild(posChild), Opponent(position.nSideToMove)) << '\n';
    }
    return 0;
}

// Prints every completed iteration at once, also into a pipe: a deep search runs for hours,
// and what it has found so far must not wait in a buffer.
class CIterationPrinter final : public CSearchObserver {
public:
    CIterationPrinter(std::ostream& out, int nSide) : m_out(out), m_nSide(nSide) {}

    void OnIterationDone(int nDepth, int nBestScore, const Position& posBest) override {
        m_out << "depth " << nDepth << " nodes " << g_nNodeCount << " score " << nBestScore
              << " best " << FormatPositionText(posBest, Opponent(m_nSide)) << '\n'
              << std::flush;
    }

private:
    std::ostream& m_out;
    int m_nSide;
};

int CommandSearch(const std::vector<std::string>& args, std::ostream& out) {
    ExpectArgCount(args, 3);
    const int nDepth = ParseBoundedInt(args[1], 1, MAX_SEARCH_DEPTH, "search depth");
    PositionText position = ParsePositionArg(args[2]);
    CSearchScope scope(nullptr, 0);
    CIterationPrinter printer(out, position.nSideToMove);
    const int bMoved = scope.Search(position.pos, position.nSideToMove, nDepth, &printer);
    // A winning move ends the search before the depth is raised past the last iteration;
    // the stop after iteration nDepth comes after it was raised.
    const char* pszResult = !bMoved ? "nomove" : g_nSearchDepth <= nDepth ? "win" : "move";
    out << "result " << pszResult << '\n';
    return 0;
}

int CommandGo(const std::vector<std::string>& args, std::ostream& out) {
    bool bRandom = true;
    std::vector<std::string> positional;
    for (const std::string& arg : args) {
        if (arg == "--no-random") {
            bRandom = false;
        } else {
            positional.push_back(arg);
        }
    }
    ExpectArgCount(positional, 3);
    const int nMilliseconds =
        ParseBoundedInt(positional[1], 1, MAX_THINK_MILLISECONDS, "think time in milliseconds");
    PositionText position = ParsePositionArg(positional[2]);

    CDeadlinePump timer;
    CRateLimitedPump pump(timer);
    CSearchScope scope(&pump, bRandom ? 1 : 0);
    const auto start = std::chrono::steady_clock::now();
    timer.Start(nMilliseconds);
    const int bMoved = scope.Search(position.pos, position.nSideToMove);
    const double dSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (!bMoved) {
        out << "result nomove\n";
    } else {
        out << "best " << FormatPositionText(position.pos, Opponent(position.nSideToMove)) << '\n';
    }
    out << "depth " << g_nSearchDepth - 1 << '\n';
    out << "nodes " << g_nNodeCount << '\n';
    out << "nps "
        << static_cast<std::int64_t>(dSeconds > 0 ? static_cast<double>(g_nNodeCount) / dSeconds
                                                  : 0)
        << '\n';
    return 0;
}

int CommandBench(const std::vector<std::string>& args, std::ostream& out) {
    ExpectArgCount(args, 1);
    RunBench(out);
    return 0;
}

// One sub-command: its name, its arguments and a one-line summary as the usage line and the
// help show them, and the function that runs it.
struct EngineCommand {
    const char* pszName;
    const char* pszArgs;
    std::string strSummary;
    int (*pfnRun)(const std::vector<std::string>& args, std::ostream& out);
};

const std::vector<EngineCommand>& Commands() {
    static const std::vector<EngineCommand> COMMANDS = {
        {"perft", "D POS",
         "count the turn sequences of 1 to D turns (D 1.." + std::to_string(MAX_PERFT_DEPTH) + ")",
         CommandPerft},
        {"children", "POS", "list what each turn of the side to move leads to", CommandChildren},
        {"search", "D POS",
         "search to iteration D (D 1.." + std::to_string(MAX_SEARCH_DEPTH) + "), no random term",
         CommandSearch},
        {"go", "MS POS [--no-random]",
         "search MS milliseconds (1.." + std::to_string(MAX_THINK_MILLISECONDS) +
             ") as the game does",
         CommandGo},
        {"bench", "", "search fixed positions and print the node counts", CommandBench},
    };
    return COMMANDS;
}

std::string Synopsis(const EngineCommand& command) {
    std::string strText = command.pszName;
    if (*command.pszArgs != '\0') {
        strText += ' ';
        strText += command.pszArgs;
    }
    return strText;
}

// "usage: pelvar-engine perft D POS | children POS | ...", every sub-command in order.
std::string UsageLine() {
    std::string strText = "usage: pelvar-engine";
    const char* pszSeparator = " ";
    for (const EngineCommand& command : Commands()) {
        strText += pszSeparator + Synopsis(command);
        pszSeparator = " | ";
    }
    return strText;
}

// The help, in lines of at most 79 characters: the commands with their arguments and ranges,
// the position notation and where the whole description is.
void PrintHelp(std::ostream& out) {
    out << "usage: pelvar-engine COMMAND [ARGUMENTS]\n"
        << "       pelvar-engine --help\n"
        << "\n"
        << "Runs the engine of the game Pelvar without a window. POS is one argument: the\n"
        << "24 points a7 d7 g7 b6 d6 f6 c5 d5 e5 a4 b4 c4 e4 f4 g4 c3 d3 e3 b2 d2 f2 a1 d1\n"
        << "g1 as W, B or ., then white's and black's stones in hand and the side to move\n"
        << "(W or B), separated by blanks; the start position is\n"
        << "\"........................ 9 9 W\".\n"
        << "\n";
    constexpr std::size_t SYNOPSIS_WIDTH = 25;
    const auto printLine = [&out](const std::string& strSynopsis, const std::string& strSummary) {
        out << "  " << strSynopsis
            << std::string(SYNOPSIS_WIDTH - std::min(strSynopsis.size(), SYNOPSIS_WIDTH - 1), ' ')
            << strSummary << '\n';
    };
    for (const EngineCommand& command : Commands()) {
        printLine(Synopsis(command), command.strSummary);
    }
    printLine("--help", "print this help");
    out << "\n"
        << "Bad arguments get one line on standard error and exit status 2.\n"
        << "Full description: man pelvar-engine\n";
}

}  // namespace

int RunEngineCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        if (args.empty()) {
            throw CommandError{"missing sub-command; " + UsageLine()};
        }
        if (args.size() == 1 && args[0] == "--help") {
            PrintHelp(out);
            return 0;
        }
        for (const EngineCommand& command : Commands()) {
            if (args[0] == command.pszName) {
                return command.pfnRun(args, out);
            }
        }
        throw CommandError{"unknown sub-command " + Quoted(args[0]) + "; " + UsageLine()};
    } catch (const CommandError& error) {
        err << "pelvar-engine: " << error.strMessage << '\n';
        return EXIT_BAD_ARGUMENTS;
    }
}
