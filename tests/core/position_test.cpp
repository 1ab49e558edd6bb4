#include <random>
#include <set>

#include <gtest/gtest.h>

#include "board_points.h"
#include "point_neighbours.h"
#include "position.h"
#include "position_checks.h"
#include "test_positions.h"
#include "turn_check.h"

namespace {

Position StartPosition() {
    Position pos;
    return pos.ResetPosition();
}

TEST(Position, StartPositionIsEmptyBoardWithNineInEachHand) {
    const Position pos = StartPosition();
    EXPECT_EQ(pos.CountStones(PLAYER_WHITE), 9);
    EXPECT_EQ(pos.CountStones(PLAYER_BLACK), 9);
    EXPECT_EQ(pos.CountMobility(PLAYER_WHITE), 0);
    EXPECT_EQ(pos.CountMobility(PLAYER_BLACK), 0);
    int nPoints = 0;
    for (int nRow = 0; nRow < 7; ++nRow) {
        for (int nCol = 0; nCol < 7; ++nCol) {
            nPoints += pos.Cell(nRow, nCol) == CELL_EMPTY;
            EXPECT_EQ(pos.IsInMill(nRow, nCol, PLAYER_WHITE), 0);
            EXPECT_EQ(pos.IsInMill(nRow, nCol, PLAYER_BLACK), 0);
        }
    }
    EXPECT_EQ(nPoints, 24);
    EXPECT_EQ(pos.Cell(3, 3), CELL_OFFBOARD);
}

TEST(Position, CountStonesAddsTheHand) {
    const Position pos = BoardWith({}, {{0, 0}, {6, 6}}, 3, 4);
    EXPECT_EQ(pos.CountStones(PLAYER_WHITE), 3);
    EXPECT_EQ(pos.CountStones(PLAYER_BLACK), 6);
}

// The neighbour table and the slide test must agree with the board's own geometry: every
// pair of points on one grid line at that line's step, never across the centre.
TEST(Position, NeighboursAreTheSlidesOfTheBoard) {
    std::set<std::pair<int, int>> fromTable;
    for (int nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
        for (int nNeighbour : POINT_NEIGHBOURS[nPoint]) {
            if (nNeighbour >= 0) {
                fromTable.insert({BOARD_POINTS[nPoint], nNeighbour});
            }
        }
    }
    EXPECT_EQ(fromTable.size(), 64u);  // 32 neighbouring pairs, both ways
    std::set<std::pair<int, int>> fromSlides;
    for (int nFrom : BOARD_POINTS) {
        for (int nTo : BOARD_POINTS) {
            Position pos = StartPosition();
            pos.m_anData[nFrom] = PLAYER_WHITE;
            if (pos.IsLegalSlide(nFrom / 7, nFrom % 7, nTo / 7, nTo % 7)) {
                fromSlides.insert({nFrom, nTo});
            }
        }
    }
    EXPECT_EQ(fromTable, fromSlides);
}

TEST(Position, IsLegalSlideCases) {
    Position pos = BoardWith({{3, 2}, {0, 0}, {1, 3}}, {});
    EXPECT_EQ(pos.IsLegalSlide(3, 2, 3, 4), 0);  // distance 2 on a row of step 1
    EXPECT_EQ(pos.IsLegalSlide(3, 2, 3, 3), 0);  // off-board centre
    EXPECT_EQ(pos.IsLegalSlide(0, 0, 3, 0), 1);
    EXPECT_EQ(pos.IsLegalSlide(0, 0, 0, 6), 0);
    EXPECT_EQ(pos.IsLegalSlide(1, 3, 0, 3), 1);
    EXPECT_EQ(pos.IsLegalSlide(0, 3, 0, 0), 0);   // from an empty point
    EXPECT_EQ(pos.IsLegalSlide(1, 3, 1, 1), 1);   // row 1 has step 2
    EXPECT_EQ(pos.IsLegalSlide(0, 0, 1, 1), 0);   // no diagonals
    EXPECT_EQ(pos.IsLegalSlide(-1, 0, 0, 0), 0);  // off the grid
    EXPECT_EQ(pos.IsLegalSlide(0, 0, 0, 7), 0);
    pos.Cell(3, 0) = PLAYER_BLACK;
    EXPECT_EQ(pos.IsLegalSlide(0, 0, 3, 0), 0);  // occupied target
    EXPECT_EQ(pos.IsLegalSlide(3, 0, 6, 0), 1);  // a black stone slides like a white one
}

TEST(Position, IsInMillJudgesTheTwoLinesThroughASquare) {
    Position pos = BoardWith({{3, 0}, {3, 1}, {3, 2}}, {});
    EXPECT_EQ(pos.IsInMill(3, 2, PLAYER_WHITE), 1);
    EXPECT_EQ(pos.IsInMill(3, 2, PLAYER_BLACK), 0);

    // Row 3 is two separate lines.
    pos = BoardWith({{3, 2}, {3, 4}, {3, 5}}, {});
    EXPECT_EQ(pos.IsInMill(3, 2, PLAYER_WHITE), 0);
    EXPECT_EQ(pos.IsInMill(3, 4, PLAYER_WHITE), 0);

    // Column 3: (2, 3) belongs to the upper half, (4, 3) to the lower one.
    pos = BoardWith({{0, 3}, {1, 3}, {2, 3}}, {{4, 3}});
    EXPECT_EQ(pos.IsInMill(2, 3, PLAYER_WHITE), 1);
    EXPECT_EQ(pos.IsInMill(4, 3, PLAYER_WHITE), 0);
    pos = BoardWith({{4, 3}, {5, 3}, {6, 3}}, {});
    EXPECT_EQ(pos.IsInMill(4, 3, PLAYER_WHITE), 1);
    EXPECT_EQ(pos.IsInMill(2, 3, PLAYER_WHITE), 0);

    // An off-board square is judged by the lines its indices select: (0, 1) by column 1's
    // (1,1), (3,1), (5,1) and row 0's (0,0), (0,3), (0,6).
    pos = BoardWith({}, {{1, 1}, {3, 1}, {5, 1}});
    EXPECT_EQ(pos.IsInMill(0, 1, PLAYER_BLACK), 1);
    pos = BoardWith({}, {{0, 0}, {0, 3}, {0, 6}});
    EXPECT_EQ(pos.IsInMill(0, 1, PLAYER_BLACK), 1);
    EXPECT_EQ(pos.IsInMill(1, 0, PLAYER_BLACK), 0);
}

// Every one of the 16 lines is a mill for each of its three points, and no other
// three-point set of a row or column is.
TEST(Position, EverySixteenLinesMakesAMillOnEachOfItsPoints) {
    const int aanLines[16][3][2] = {
        {{0, 0}, {0, 3}, {0, 6}}, {{6, 0}, {6, 3}, {6, 6}}, {{1, 1}, {1, 3}, {1, 5}},
        {{5, 1}, {5, 3}, {5, 5}}, {{2, 2}, {2, 3}, {2, 4}}, {{4, 2}, {4, 3}, {4, 4}},
        {{3, 0}, {3, 1}, {3, 2}}, {{3, 4}, {3, 5}, {3, 6}}, {{0, 0}, {3, 0}, {6, 0}},
        {{0, 6}, {3, 6}, {6, 6}}, {{1, 1}, {3, 1}, {5, 1}}, {{1, 5}, {3, 5}, {5, 5}},
        {{2, 2}, {3, 2}, {4, 2}}, {{2, 4}, {3, 4}, {4, 4}}, {{0, 3}, {1, 3}, {2, 3}},
        {{4, 3}, {5, 3}, {6, 3}},
    };
    for (const auto& line : aanLines) {
        Position pos = BoardWith(
            {{line[0][0], line[0][1]}, {line[1][0], line[1][1]}, {line[2][0], line[2][1]}}, {});
        int nMillPoints = 0;
        for (int nCell : BOARD_POINTS) {
            nMillPoints += pos.IsInMill(nCell / 7, nCell % 7, PLAYER_WHITE);
        }
        EXPECT_EQ(nMillPoints, 3) << "line through " << line[0][0] << "," << line[0][1];
    }
}

TEST(Position, CountMobilityCountsEachStonesEmptyNeighbours) {
    Position pos = BoardWith({{1, 3}}, {});
    EXPECT_EQ(pos.CountMobility(PLAYER_WHITE), 4);
    pos.Cell(0, 3) = PLAYER_WHITE;
    EXPECT_EQ(pos.CountMobility(PLAYER_WHITE), 3 + 2);
    EXPECT_EQ(pos.CountMobility(PLAYER_BLACK), 0);
    // An empty point between two stones counts for both.
    pos = BoardWith({{0, 0}, {0, 6}}, {});
    EXPECT_EQ(pos.CountMobility(PLAYER_WHITE), 4);
}

TEST(Position, MoveStoneOntoItselfEmptiesTheSquare) {
    Position pos = BoardWith({{2, 2}}, {});
    EXPECT_EQ(pos.MoveStone(2, 2, 2, 2), 1);
    EXPECT_EQ(pos.Cell(2, 2), CELL_EMPTY);
    pos = BoardWith({{2, 2}}, {});
    pos.MoveStone(2, 2, 6, 6);
    EXPECT_EQ(pos.Cell(2, 2), CELL_EMPTY);
    EXPECT_EQ(pos.Cell(6, 6), PLAYER_WHITE);
}

// The counts work on the points packed ring by ring; they must agree with the labelled
// neighbour table on every kind of position, also crowded and nearly empty ones.
TEST(Position, CountsAgreeWithTheNeighbourTable) {
    std::mt19937 random(20261208);
    for (int nTrial = 0; nTrial < 20000; ++nTrial) {
        Position pos;
        pos.ResetPosition();
        for (int nCell : BOARD_POINTS) {
            pos.m_anData[nCell] = static_cast<int>(random() % 3);
        }
        pos.Hand(PLAYER_WHITE) = static_cast<int>(random() % 10);
        pos.Hand(PLAYER_BLACK) = static_cast<int>(random() % 10);
        for (int nPlayer : {PLAYER_BLACK, PLAYER_WHITE}) {
            ASSERT_EQ(pos.CountStones(nPlayer), StonesOnBoard(pos, nPlayer) + pos.Hand(nPlayer))
                << nTrial;
            ASSERT_EQ(pos.CountMobility(nPlayer), SlideCount(pos, nPlayer)) << nTrial;
        }
    }
}

}  // namespace
