// The search on its compact board against the move generator, Evaluate and a plain
// alpha-beta search over Position records, on many positions: arbitrary boards and boards
// from random games in every phase.
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "board_points.h"
#include "position_text.h"
#include "search.h"
#include "search_node.h"
#include "search_reference.h"
#include "search_scope.h"

namespace {

// Arbitrary boards as the engine's fuzzer builds them, then boards met along random games.
std::vector<std::pair<Position, int>> VariedPositions() {
    std::mt19937 random(20240611);
    std::vector<std::pair<Position, int>> positions;
    for (int i = 0; i < 200; ++i) {
        Position pos;
        pos.ResetPosition();
        const unsigned int nStones = random() % 4;  // fewer stones for some boards
        for (int nCell : BOARD_POINTS) {
            pos.m_anData[nCell] = static_cast<int>(random() % (3 + 2 * nStones)) % 3;
        }
        pos.Hand(PLAYER_WHITE) = static_cast<int>(random() % 10);
        pos.Hand(PLAYER_BLACK) = static_cast<int>(random() % 10);
        positions.emplace_back(pos, i % 2 ? PLAYER_WHITE : PLAYER_BLACK);
    }
    for (int nGame = 0; nGame < 12; ++nGame) {
        Position pos;
        pos.ResetPosition();
        int nSide = PLAYER_WHITE;
        for (int nPly = 0; nPly < 120; ++nPly) {
            const std::vector<Position> children = AllChildren(pos, nSide);
            if (children.empty() || pos.CountStones(PLAYER_WHITE) < 3 ||
                pos.CountStones(PLAYER_BLACK) < 3) {
                break;
            }
            if (nPly % 7 == nGame % 7) {
                positions.emplace_back(pos, nSide);
            }
            pos = children[random() % children.size()];
            nSide = Opponent(nSide);
        }
    }
    return positions;
}

// The root of an iteration: the best child and its score, as SearchRoot must find them.
Position ReferenceRoot(const Position& pos, int nSide, int nDepth, int& nBestScore) {
    Position posBest = pos;
    nBestScore = -SEARCH_INFINITY;
    int nAlpha = -SEARCH_INFINITY;
    std::int64_t nNodes = 0;
    for (const Position& child : AllChildren(pos, nSide)) {
        const int nValue =
            ReferenceAlphaBeta(child, nDepth - 1, 0, nAlpha, SEARCH_INFINITY, nSide, nNodes);
        if (nValue > nBestScore) {
            posBest = child;
            nBestScore = nValue;
        }
        nAlpha = nValue > nAlpha ? nValue : nAlpha;
    }
    return posBest;
}

TEST(CompactSearch, MatchesTheReferenceOnVariedPositions) {
    const std::vector<std::pair<Position, int>> positions = VariedPositions();
    ASSERT_GT(positions.size(), 250u);
    CSearchScope scope(nullptr, 0);
    for (const auto& [pos, nSide] : positions) {
        const int nDepth = pos.Hand(nSide) > 0 ? 3 : 4;
        EXPECT_EQ(CompareWithReference(pos, nSide, nDepth), "") << FormatPositionText(pos, nSide);
        int nExpectedScore = 0;
        const Position expected = ReferenceRoot(pos, nSide, nDepth, nExpectedScore);
        Position posBest;
        int nBestScore = 0;
        g_bSearchRunning = 1;
        SearchRoot(pos, posBest, nSide, nDepth, &nBestScore);
        EXPECT_EQ(posBest, expected);
        EXPECT_EQ(nBestScore, nExpectedScore);
    }
}

}  // namespace
