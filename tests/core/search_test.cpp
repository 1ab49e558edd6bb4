#include <cstdint>
#include <functional>
#include <tuple>

#include <gtest/gtest.h>

#include "board_points.h"
#include "message_pump.h"
#include "search.h"
#include "search_node.h"
#include "search_scope.h"
#include "test_positions.h"

namespace {

// A pump driven by a test: on every peek it calls the given function, which may clear the
// run flag or ask for quitting; it counts what the search asked of it.
class CScriptedPump final : public CMessagePump {
public:
    std::function<int()> m_fnPeek = [] { return 0; };
    int m_bQuitOnPump = 0;
    int m_nPeeks = 0;
    int m_nPumps = 0;
    int m_nQuitPosts = 0;
    std::uintptr_t m_nLowestStack = UINTPTR_MAX;

    int PeekMessage() override {
        ++m_nPeeks;
        int nLocal = 0;
        const auto nAddress = reinterpret_cast<std::uintptr_t>(&nLocal);
        if (nAddress < m_nLowestStack) {
            m_nLowestStack = nAddress;
        }
        return m_fnPeek();
    }
    int PumpMessage() override {
        ++m_nPumps;
        return m_bQuitOnPump ? 0 : 1;
    }
    void PostQuitMessage(int) override { ++m_nQuitPosts; }
};

class SearchTest : public ::testing::Test {
protected:
    // Notes the score of the last completed iteration.
    class CLastScore final : public CSearchObserver {
    public:
        void OnIterationDone(int, int nScore, const Position&) override { m_nLastScore = nScore; }
        int m_nLastScore = 0;
    };

    CScriptedPump m_pump;
    CSearchScope m_scope{&m_pump, 0};
};

const Position WORKED_EXAMPLE =
    BoardWith({{5, 5}, {6, 0}, {6, 3}}, {{0, 0}, {0, 3}, {3, 0}, {3, 1}, {3, 6}});

// The first capture child, (3,6) to (0,6) taking (6,0), leaves white two stones: it is
// played after the first iteration, however much time is left.
TEST_F(SearchTest, WorkedExamplePlaysTheWinningCaptureAtDepthOne) {
    Position pos = WORKED_EXAMPLE;
    EXPECT_EQ(FindBestMove(pos, PLAYER_BLACK), 1);
    EXPECT_EQ(g_nNodeCount, 10);
    EXPECT_EQ(g_nSearchDepth, 1);
    Position expected = WORKED_EXAMPLE;
    expected.MoveStone(3, 6, 0, 6);
    expected.Cell(6, 0) = CELL_EMPTY;
    EXPECT_EQ(pos, expected);
}

TEST_F(SearchTest, FlagClearedBeforeTheFirstIterationLeavesThePosition) {
    // Node 0 never pumps; node 1 does, and the "timer" fires there.
    m_pump.m_fnPeek = [] {
        g_bSearchRunning = 0;
        return 0;
    };
    Position pos;
    pos.ResetPosition();
    const Position before = pos;
    EXPECT_EQ(FindBestMove(pos, PLAYER_WHITE), 1);
    EXPECT_EQ(pos, before);
    EXPECT_EQ(g_nSearchDepth, 1);
}

TEST_F(SearchTest, SideWithoutAMoveReturnsZeroUnchanged) {
    // White: five stones, none in hand, hemmed in (it has in fact lost, but the search is
    // only asked for a move).
    Position pos = BoardWith({{0, 0}, {0, 3}, {0, 6}, {3, 0}, {3, 6}},
                             {{1, 3}, {3, 1}, {6, 0}, {3, 5}, {6, 6}});
    const Position before = pos;
    EXPECT_EQ(FindBestMove(pos, PLAYER_WHITE), 0);
    EXPECT_EQ(pos, before);
}

TEST_F(SearchTest, TimerAfterAnIterationPlaysItsMoveAndCountsDepthOneMore) {
    Position pos;
    pos.ResetPosition();
    EXPECT_EQ(m_scope.Search(pos, PLAYER_WHITE, 3), 1);
    EXPECT_EQ(g_nSearchDepth, 4);
    EXPECT_EQ(pos.CountStones(PLAYER_WHITE), 9);
    EXPECT_EQ(pos.Hand(PLAYER_WHITE), 8);
}

// With the random term off the search is a function of the position: the same move every
// time, and among equal scores the first child in generation order.
TEST_F(SearchTest, DeterministicWithoutRandomTerm) {
    Position first;
    first.ResetPosition();
    m_scope.Search(first, PLAYER_WHITE, 2);
    const std::int64_t nNodes = g_nNodeCount;
    for (int i = 0; i < 3; ++i) {
        Position again;
        again.ResetPosition();
        m_scope.Search(again, PLAYER_WHITE, 2);
        EXPECT_EQ(again, first);
        EXPECT_EQ(g_nNodeCount, nNodes);
    }
    // At depth 1 a placement scores its point's free neighbours; of the four points with
    // four, (3,1) comes first in generation order.
    Position pos;
    pos.ResetPosition();
    CLastScore score;
    m_scope.Search(pos, PLAYER_WHITE, 1, &score);
    EXPECT_EQ(pos.Cell(3, 1), PLAYER_WHITE);
    EXPECT_EQ(score.m_nLastScore, 40);
}

// An hour's search counts past the 32-bit range: the count goes on, and the nodes that skip
// the message queue stay every PUMP_PERIOD-th.
TEST_F(SearchTest, NodeCountRunsPastTheIntRange) {
    Position pos;
    pos.ResetPosition();
    const auto countFrom = [&](std::int64_t nStart) {
        m_pump.m_nPeeks = 0;
        g_bSearchRunning = 1;
        g_nNodeCount = nStart;
        const int nScore = AlphaBeta(pos, 5, 1, -SEARCH_INFINITY, SEARCH_INFINITY, PLAYER_WHITE);
        return std::tuple(nScore, g_nNodeCount - nStart, m_pump.m_nPeeks);
    };
    const auto [nScore, nNodes, nPeeks] = countFrom(0);
    ASSERT_GT(nNodes, 2 * PUMP_PERIOD);
    // A multiple of PUMP_PERIOD a few thousand nodes below the limit, so that the same nodes
    // skip the queue as from 0.
    const std::int64_t nStart = (INT32_MAX / PUMP_PERIOD) * PUMP_PERIOD;
    ASSERT_LT(INT32_MAX - nStart, nNodes);
    EXPECT_EQ(countFrom(nStart), std::tuple(nScore, nNodes, nPeeks));
    EXPECT_GT(g_nNodeCount, INT32_MAX);
}

TEST_F(SearchTest, DecidedNodesPreferTheQuickestWin) {
    // Black has two stones: decided for white at any node.
    const Position pos = BoardWith({{0, 0}, {0, 3}, {0, 6}}, {{6, 6}, {6, 3}});
    g_bSearchRunning = 1;
    const int nShallow = AlphaBeta(pos, 4, 1, -SEARCH_INFINITY, SEARCH_INFINITY, PLAYER_WHITE);
    const int nDeep = AlphaBeta(pos, 2, 1, -SEARCH_INFINITY, SEARCH_INFINITY, PLAYER_WHITE);
    EXPECT_EQ(nShallow, WIN_SCORE + 4 * DEPTH_BONUS);
    EXPECT_EQ(nDeep, WIN_SCORE + 2 * DEPTH_BONUS);
    EXPECT_EQ(AlphaBeta(pos, 3, 0, -SEARCH_INFINITY, SEARCH_INFINITY, PLAYER_BLACK),
              LOSS_SCORE - 3 * DEPTH_BONUS);
    EXPECT_EQ(AlphaBeta(pos, 0, 0, -SEARCH_INFINITY, SEARCH_INFINITY, PLAYER_BLACK), LOSS_SCORE);
}

// A node whose side to move has moves, all of them mills with nothing to capture, gets no
// child from the generator and is lost for that side. No game reaches this board: white
// fills every point but (0,0), where each of its two moves closes a mill, and black's three
// stones are all in hand.
TEST_F(SearchTest, NodeWithoutChildrenIsLostForTheSideToMove) {
    Position pos;
    pos.ResetPosition();
    for (int nCell : BOARD_POINTS) {
        pos.m_anData[nCell] = PLAYER_WHITE;
    }
    pos.Cell(0, 0) = CELL_EMPTY;
    pos.Hand(PLAYER_WHITE) = 0;
    pos.Hand(PLAYER_BLACK) = 3;
    ASSERT_EQ(pos.CountMobility(PLAYER_WHITE), 2);
    ASSERT_GT(Evaluate(pos, PLAYER_WHITE), LOSS_SCORE);
    SearchNode node;
    node.InitMoves(pos, PLAYER_WHITE);
    EXPECT_EQ(node.NextMove(), 0);
    g_bSearchRunning = 1;
    EXPECT_EQ(AlphaBeta(pos, 2, 1, -SEARCH_INFINITY, SEARCH_INFINITY, PLAYER_WHITE),
              LOSS_SCORE - 2 * DEPTH_BONUS);
    EXPECT_EQ(AlphaBeta(pos, 3, 0, -SEARCH_INFINITY, SEARCH_INFINITY, PLAYER_BLACK),
              WIN_SCORE + 3 * DEPTH_BONUS);
}

TEST_F(SearchTest, QuitDuringTheSearchPostsItAgainOnceAndEndsThePumpLoop) {
    int nCalls = 0;
    m_pump.m_fnPeek = [&nCalls] { return ++nCalls >= 5000 ? 1 : 0; };
    m_pump.m_bQuitOnPump = 1;
    Position pos;
    pos.ResetPosition();
    EXPECT_EQ(FindBestMove(pos, PLAYER_WHITE), 1);
    EXPECT_EQ(m_pump.m_nPumps, 1);
    EXPECT_EQ(m_pump.m_nQuitPosts, 1);
    EXPECT_EQ(g_bSearchRunning, 0);
    // The move of the last completed iteration was played.
    EXPECT_EQ(pos.Hand(PLAYER_WHITE), 8);
}

TEST_F(SearchTest, EveryTenThousandthNodeSkipsThePump) {
    Position pos;
    pos.ResetPosition();
    m_scope.Search(pos, PLAYER_WHITE, 5);
    const std::int64_t nNodes = g_nNodeCount;
    ASSERT_GT(nNodes, 3 * PUMP_PERIOD);
    EXPECT_EQ(m_pump.m_nPeeks, nNodes - (nNodes + PUMP_PERIOD - 1) / PUMP_PERIOD);
}

// Iterations of a position in which every child is decided cost a handful of nodes, so
// without a timer the depth would climb until DEPTH_BONUS times it overflows. The search
// stops deepening at MAX_SEARCH_DEPTH and plays the last completed iteration's move.
TEST_F(SearchTest, DeepeningEndsAtTheDepthTheStackHolds) {
    // White to move has two stones: lost, but it has moves, and every child is decided.
    Position pos = BoardWith({{0, 0}, {2, 2}}, {{6, 6}, {6, 3}, {4, 4}, {5, 5}});
    EXPECT_EQ(FindBestMove(pos, PLAYER_WHITE), 1);
    EXPECT_EQ(g_nSearchDepth, MAX_SEARCH_DEPTH + 1);
    EXPECT_NE(pos, BoardWith({{0, 0}, {2, 2}}, {{6, 6}, {6, 3}, {4, 4}, {5, 5}}));
}

// The deepest iteration recurses MAX_SEARCH_DEPTH plies along its first line; the stack that
// takes must stay well inside the main thread's.
TEST_F(SearchTest, FullDepthLineFitsTheStack) {
    const Position pos = BoardWith({{0, 0}, {3, 0}, {6, 0}, {1, 1}, {5, 1}, {2, 2}, {6, 6}},
                                   {{0, 6}, {3, 6}, {1, 5}, {5, 5}, {2, 4}, {4, 4}, {6, 3}});
    int nLocal = 0;
    const auto nTop = reinterpret_cast<std::uintptr_t>(&nLocal);
    int nDepthSeen = 0;
    m_pump.m_fnPeek = [&nDepthSeen] {
        if (g_nNodeCount > 3 * MAX_SEARCH_DEPTH) {
            g_bSearchRunning = 0;
        }
        ++nDepthSeen;
        return 0;
    };
    g_bSearchRunning = 1;
    g_nNodeCount = 0;
    AlphaBeta(pos, MAX_SEARCH_DEPTH, 1, -SEARCH_INFINITY, SEARCH_INFINITY, PLAYER_WHITE);
    const std::uintptr_t nUsed = nTop - m_pump.m_nLowestStack;
    // The first line must really have gone deep (no decided game on the way): a frame per
    // ply takes well over a hundred bytes.
    EXPECT_GT(nUsed, static_cast<std::uintptr_t>(MAX_SEARCH_DEPTH) * 100);
    EXPECT_LT(nUsed, static_cast<std::uintptr_t>(4) << 20);
    RecordProperty("stack_bytes_for_max_depth", static_cast<int>(nUsed));
}

}  // namespace
