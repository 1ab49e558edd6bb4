#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine_command.h"
#include "evaluate.h"
#include "position_text.h"

namespace {

struct CommandResult {
    int nExit;
    std::string strOut;
    std::string strErr;
};

CommandResult RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int nExit = RunEngineCommand(args, out, err);
    return {nExit, out.str(), err.str()};
}

const std::string START = "........................ 9 9 W";
// Black stones a7 d7 d6 a4 d1, white stones g7 g4 f2, black to move.
const std::string WORKED_EXAMPLE = "BBW.B....B....W.....W.B. 0 0 B";

TEST(PositionText, ReadingOrderAndRoundTrip) {
    std::string strError;
    auto parsed = ParsePositionText(WORKED_EXAMPLE, strError);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->nSideToMove, PLAYER_BLACK);
    EXPECT_EQ(parsed->pos.Cell(0, 0), PLAYER_BLACK);  // a7
    EXPECT_EQ(parsed->pos.Cell(3, 0), PLAYER_BLACK);  // d7
    EXPECT_EQ(parsed->pos.Cell(6, 0), PLAYER_WHITE);  // g7
    EXPECT_EQ(parsed->pos.Cell(6, 3), PLAYER_WHITE);  // g4
    EXPECT_EQ(parsed->pos.Cell(5, 5), PLAYER_WHITE);  // f2
    EXPECT_EQ(parsed->pos.Cell(3, 6), PLAYER_BLACK);  // d1
    EXPECT_EQ(parsed->pos.Cell(3, 3), CELL_OFFBOARD);
    EXPECT_EQ(FormatPositionText(parsed->pos, parsed->nSideToMove), WORKED_EXAMPLE);
    EXPECT_EQ(PointName(0, 0), "a7");
    EXPECT_EQ(PointName(6, 6), "g1");
    EXPECT_EQ(PointName(3, 0), "d7");
}

TEST(EngineCommand, Perft) {
    const CommandResult result = RunCommand({"perft", "3", START});
    EXPECT_EQ(result.nExit, 0);
    EXPECT_EQ(result.strOut, "perft 1 24\nperft 2 552\nperft 3 12144\n");
}

TEST(EngineCommand, ChildrenInGenerationOrder) {
    const CommandResult result = RunCommand({"children", WORKED_EXAMPLE});
    EXPECT_EQ(result.nExit, 0);
    std::istringstream lines(result.strOut);
    std::vector<std::string> children;
    for (std::string line; std::getline(lines, line);) {
        children.push_back(line);
    }
    ASSERT_EQ(children.size(), 10u);
    EXPECT_EQ(children[0], "BBW..B...B....W.....W.B. 0 0 W");  // d6 to f6, that is (3,1) to (5,1)
    EXPECT_EQ(children[7], "BB..B....B....W.....WB.. 0 0 W");  // d1 to a1... capturing g7
    EXPECT_EQ(children[9], "BBW.B....B....W......B.. 0 0 W");  // ... capturing f2
}

TEST(EngineCommand, SearchReportsIterationsAndHowItEnded) {
    CommandResult result = RunCommand({"search", "3", WORKED_EXAMPLE});
    EXPECT_EQ(result.nExit, 0);
    EXPECT_EQ(result.strOut,
              "depth 1 nodes 10 score 1000000 best BB..B....B....W.....WB.. 0 0 W\n"
              "result win\n");

    result = RunCommand({"search", "2", START});
    EXPECT_EQ(result.nExit, 0);
    EXPECT_NE(result.strOut.find("depth 1 nodes 24 score 40 best "), std::string::npos)
        << result.strOut;
    EXPECT_NE(result.strOut.find("\ndepth 2 nodes "), std::string::npos);
    EXPECT_TRUE(result.strOut.ends_with("result move\n")) << result.strOut;

    // White hemmed in with nothing in hand: no move.
    result = RunCommand({"search", "4", "WWB.B....WB........B.WWB 0 0 W"});
    EXPECT_EQ(result.nExit, 0);
    EXPECT_EQ(result.strOut,
              "depth 1 nodes 0 score -10000000 best WWB.B....WB........B.WWB 0 0 B\n"
              "result nomove\n");

    // Black to move without a stone: no turn, although white is down to one stone.
    const std::string strNoTurn = "W....................... 0 0 B";
    result = RunCommand({"search", "3", strNoTurn});
    EXPECT_EQ(result.strOut, "depth 1 nodes 0 score -10000000 best " + strNoTurn.substr(0, 29) +
                                 "W\nresult nomove\n");
    EXPECT_TRUE(RunCommand({"go", "50", strNoTurn}).strOut.starts_with("result nomove\n"));
}

TEST(EngineCommand, GoReturnsAMoveWithinItsTime) {
    const int bSaved = g_bRandomMoves;
    const CommandResult result = RunCommand({"go", "50", START, "--no-random"});
    EXPECT_EQ(g_bRandomMoves, bSaved);
    EXPECT_EQ(result.nExit, 0);
    EXPECT_EQ(result.strOut.rfind("best ", 0), 0u) << result.strOut;
    EXPECT_NE(result.strOut.find(" 8 9 B\ndepth "), std::string::npos) << result.strOut;
    EXPECT_NE(result.strOut.find("\nnodes "), std::string::npos);
    EXPECT_NE(result.strOut.find("\nnps "), std::string::npos);
}

// The help goes to the output stream with status 0, names the manual page, and every
// sub-command it lists (the first word of an indented line) is one the command knows.
TEST(EngineCommand, HelpListsTheKnownCommands) {
    const CommandResult help = RunCommand({"--help"});
    EXPECT_EQ(help.nExit, 0);
    EXPECT_TRUE(help.strErr.empty()) << help.strErr;
    EXPECT_NE(help.strOut.find("man pelvar-engine\n"), std::string::npos) << help.strOut;
    std::istringstream lines(help.strOut);
    int nListed = 0;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("  ") || line.starts_with("   ") || line.starts_with("  --")) {
            continue;
        }
        const std::string strCommand = line.substr(2, line.find(' ', 2) - 2);
        const CommandResult result = RunCommand({strCommand, "?"});
        EXPECT_EQ(result.strErr.find("unknown sub-command"), std::string::npos) << strCommand;
        ++nListed;
    }
    EXPECT_EQ(nListed, 5);
}

// Every bad argument gets exactly one line on the error stream, exit status 2 and nothing on
// the output stream.
TEST(EngineCommand, BadArgumentsAreRefusedWithOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"dance"},
        {"perft"},
        {"perft", "0", START},
        {"perft", "-1", START},
        {"perft", "99", START},
        {"perft", "3x", START},
        {"perft", "2", START, "extra"},
        {"children", "........................ 9 9"},
        {"children", "....................... 9 9 W"},
        {"children", "........................ 9 9 W "},
        {"children", "X....................... 9 9 W"},
        {"children", "........................ 10 9 W"},
        {"children", "........................ 9 a W"},
        {"children", "........................ 9 9 X"},
        {"children", "........................  9 9 W"},
        {"children", "WWWWWWWWW............... 1 0 B"},  // ten white stones
        {"search", "0", START},
        {"search", "1001", START},
        {"search", "99999999999999999999", START},
        {"go", "0", START},
        {"go", "-5", START},
        {"go", "3600001", START},
        {"go", "100"},
        {"bench", "now"},
        {"--help", "perft"},
        {"a\nb"},
        {"perft", "\x1b[2J\x9b", START},
        {"perft",
         "\xe2\x80\xae"
         "8",
         START},  // right-to-left override
        {"children", "\n....................... 9 9 W"},
        {std::string(131072, 'x')},
    };
    for (const auto& args : bad) {
        const CommandResult result = RunCommand(args);
        std::string strJoined;
        for (const auto& arg : args) {
            strJoined += "[" + arg + "]";
        }
        EXPECT_EQ(result.nExit, EXIT_BAD_ARGUMENTS) << strJoined;
        EXPECT_TRUE(result.strOut.empty()) << strJoined;
        ASSERT_FALSE(result.strErr.empty()) << strJoined;
        EXPECT_EQ(result.strErr.find('\n'), result.strErr.size() - 1) << strJoined;
        // Arguments are echoed escaped and shortened: printable ASCII and the ellipsis only.
        EXPECT_LT(result.strErr.size(), 300u) << strJoined;
        std::string strLine = result.strErr.substr(0, result.strErr.size() - 1);
        for (std::size_t i; (i = strLine.find("\xe2\x80\xa6")) != std::string::npos;) {
            strLine.erase(i, 3);
        }
        for (const char c : strLine) {
            EXPECT_TRUE(c >= ' ' && c <= '~') << strJoined;
        }
    }
}

}  // namespace
