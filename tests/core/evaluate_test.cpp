#include <algorithm>

#include <gtest/gtest.h>

#include "board_points.h"
#include "crt_random.h"
#include "evaluate.h"
#include "test_positions.h"

namespace {

// Runs a test body with the random term switched as given, restoring it afterwards.
class EvaluateTest : public ::testing::Test {
protected:
    void SetUp() override { m_bSaved = g_bRandomMoves; }
    void TearDown() override { g_bRandomMoves = m_bSaved; }

private:
    int m_bSaved = 1;
};

TEST_F(EvaluateTest, StartPositionScoresZeroPlusTheRandomTerm) {
    Position pos;
    pos.ResetPosition();
    g_bRandomMoves = 0;
    EXPECT_EQ(Evaluate(pos, PLAYER_WHITE), 0);
    EXPECT_EQ(Evaluate(pos, PLAYER_BLACK), 0);
    g_bRandomMoves = 1;
    bool bSawNonZero = false;
    for (int i = 0; i < 1000; ++i) {
        const int nScore = Evaluate(pos, PLAYER_WHITE);
        ASSERT_GE(nScore, 0);
        ASSERT_LE(nScore, 10);
        bSawNonZero |= nScore != 0;
    }
    EXPECT_TRUE(bSawNonZero);
}

// The random term is rand * 10 / 32767: 10 only for the very top of the range.
TEST_F(EvaluateTest, RandomGeneratorRangeAndRepeatability) {
    CrtSrand(12345);
    int anFirst[50];
    int nMax = 0;
    for (int& n : anFirst) {
        n = CrtRand();
        nMax = std::max(nMax, n);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, CRT_RAND_MAX);
    }
    EXPECT_GT(nMax, 16000);
    CrtSrand(12345);
    for (int n : anFirst) {
        EXPECT_EQ(CrtRand(), n);
    }
    CrtSrand(1);
    EXPECT_EQ(CrtRand(), 41);  // the classic sequence from seed 1
    EXPECT_EQ(CrtRand(), 18467);
}

TEST_F(EvaluateTest, WorkedExamples) {
    g_bRandomMoves = 0;
    // Me: 6 stones, mobility 7; opponent: 4 stones, mobility 3.
    Position pos = BoardWith({{0, 6}, {2, 4}, {3, 5}, {5, 1}, {5, 3}, {5, 5}},
                             {{3, 4}, {4, 3}, {4, 4}, {6, 0}});
    ASSERT_EQ(pos.CountMobility(PLAYER_WHITE), 7);
    ASSERT_EQ(pos.CountMobility(PLAYER_BLACK), 3);
    EXPECT_EQ(Evaluate(pos, PLAYER_WHITE), 2040);
    EXPECT_EQ(Evaluate(pos, PLAYER_BLACK), -2040);

    // Me: 3 stones, whose mobility does not count; opponent: 5 stones, mobility 4.
    pos = BoardWith({{2, 2}, {2, 4}, {4, 2}}, {{2, 3}, {3, 2}, {3, 4}, {4, 3}, {4, 4}});
    ASSERT_EQ(pos.CountMobility(PLAYER_BLACK), 4);
    EXPECT_EQ(Evaluate(pos, PLAYER_WHITE), -2040);
}

TEST_F(EvaluateTest, DecidedGamesAndTheirTieBreaks) {
    g_bRandomMoves = 1;
    // Opponent with two stones in all: a win, whatever me holds, and no random part.
    Position pos = BoardWith({{0, 0}}, {{6, 6}, {6, 3}});
    EXPECT_EQ(Evaluate(pos, PLAYER_WHITE), WIN_SCORE);
    EXPECT_EQ(Evaluate(pos, PLAYER_BLACK), WIN_SCORE);  // both below three: the opponent first

    // Two stones on the board and one in hand make three: not lost.
    pos = BoardWith({{0, 0}, {0, 3}}, {{6, 6}, {6, 3}, {6, 0}}, 1, 0);
    EXPECT_LT(Evaluate(pos, PLAYER_BLACK), WIN_SCORE);
    EXPECT_GT(Evaluate(pos, PLAYER_WHITE), LOSS_SCORE);

    // Me with five stones, none in hand and no free neighbour point: lost.
    pos = BoardWith({{0, 0}, {0, 3}, {0, 6}, {3, 0}, {3, 6}},
                    {{1, 3}, {3, 1}, {6, 0}, {3, 5}, {6, 6}});
    ASSERT_EQ(pos.CountMobility(PLAYER_WHITE), 0);
    EXPECT_EQ(Evaluate(pos, PLAYER_WHITE), LOSS_SCORE);
    EXPECT_EQ(Evaluate(pos, PLAYER_BLACK), WIN_SCORE);

    // The same with a stone in hand: never blocked, and it is the plain formula.
    pos.Hand(PLAYER_WHITE) = 1;
    g_bRandomMoves = 0;
    EXPECT_EQ(Evaluate(pos, PLAYER_WHITE), 10 * (100 + 0 - pos.CountMobility(PLAYER_BLACK)));
}

// No game reaches it (every point would hold a stone), but the order of the tests decides:
// the evaluated side's own blockade comes first.
TEST_F(EvaluateTest, BothBlockedLosesForWhicheverSideIsEvaluated) {
    Position pos;
    pos.ResetPosition();
    for (int nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
        pos.m_anData[BOARD_POINTS[nPoint]] = nPoint % 2 ? PLAYER_WHITE : PLAYER_BLACK;
    }
    pos.Hand(PLAYER_WHITE) = 0;
    pos.Hand(PLAYER_BLACK) = 0;
    EXPECT_EQ(Evaluate(pos, PLAYER_WHITE), LOSS_SCORE);
    EXPECT_EQ(Evaluate(pos, PLAYER_BLACK), LOSS_SCORE);
}

TEST_F(EvaluateTest, ThreeStonesAreNeverBlocked) {
    g_bRandomMoves = 0;
    // White's three stones hemmed in: mobility 0, but three stones jump.
    Position pos = BoardWith({{0, 0}, {0, 3}, {0, 6}}, {{3, 0}, {1, 3}, {3, 6}, {6, 6}});
    ASSERT_EQ(pos.CountMobility(PLAYER_WHITE), 0);
    EXPECT_EQ(Evaluate(pos, PLAYER_WHITE), 10 * (-100 + 0 - pos.CountMobility(PLAYER_BLACK)));
}

}  // namespace
