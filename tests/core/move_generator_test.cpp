#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "perft.h"
#include "search_node.h"
#include "search_reference.h"
#include "test_positions.h"

namespace {

Position Moved(Position pos, int nFromRow, int nFromCol, int nToRow, int nToCol) {
    pos.MoveStone(nFromRow, nFromCol, nToRow, nToCol);
    return pos;
}

Position Without(Position pos, int nRow, int nCol) {
    pos.Cell(nRow, nCol) = CELL_EMPTY;
    return pos;
}

TEST(MoveGenerator, StartPositionPlacesInColumnMajorOrder) {
    Position pos;
    pos.ResetPosition();
    const std::vector<Position> children = AllChildren(pos, PLAYER_WHITE);
    const int anOrder[24][2] = {{0, 0}, {3, 0}, {6, 0}, {1, 1}, {3, 1}, {5, 1}, {2, 2}, {3, 2},
                                {4, 2}, {0, 3}, {1, 3}, {2, 3}, {4, 3}, {5, 3}, {6, 3}, {2, 4},
                                {3, 4}, {4, 4}, {1, 5}, {3, 5}, {5, 5}, {0, 6}, {3, 6}, {6, 6}};
    ASSERT_EQ(children.size(), 24u);
    for (int i = 0; i < 24; ++i) {
        Position expected = pos;
        expected.Cell(anOrder[i][0], anOrder[i][1]) = PLAYER_WHITE;
        expected.Hand(PLAYER_WHITE) = 8;
        EXPECT_EQ(children[i], expected) << "child " << i;
    }
}

// Black to move in the sliding phase; the last slide closes the mill (0,0), (0,3), (0,6)
// and is replaced by its three captures in column-major order.
TEST(MoveGenerator, WorkedExampleChildrenInOrder) {
    const Position pos =
        BoardWith({{5, 5}, {6, 0}, {6, 3}}, {{0, 0}, {0, 3}, {3, 0}, {3, 1}, {3, 6}});
    const Position posMill = Moved(pos, 3, 6, 0, 6);
    const std::vector<Position> expected = {
        Moved(pos, 3, 1, 5, 1), Moved(pos, 3, 1, 3, 2), Moved(pos, 3, 1, 1, 1),
        Moved(pos, 0, 3, 1, 3), Moved(pos, 0, 3, 0, 6), Moved(pos, 3, 6, 3, 5),
        Moved(pos, 3, 6, 6, 6), Without(posMill, 6, 0), Without(posMill, 6, 3),
        Without(posMill, 5, 5),
    };
    EXPECT_EQ(AllChildren(pos, PLAYER_BLACK), expected);
}

TEST(MoveGenerator, PerftFromTheStart) {
    Position pos;
    pos.ResetPosition();
    EXPECT_EQ(Perft(pos, PLAYER_WHITE, 1), 24u);
    EXPECT_EQ(Perft(pos, PLAYER_WHITE, 2), 552u);
    EXPECT_EQ(Perft(pos, PLAYER_WHITE, 3), 12144u);
    EXPECT_EQ(Perft(pos, PLAYER_WHITE, 4), 255024u);
    EXPECT_EQ(Perft(pos, PLAYER_WHITE, 5), 5140800u);
}

// A mill move while every opposing stone stands in a mill gives no child; its neighbours in
// the order are unaffected. Here white's placement on (0,6) closes (0,0), (0,3), (0,6) and
// black's stones all stand in the mill (6,0), (6,3), (6,6).
TEST(MoveGenerator, MillWithEveryOpposingStoneInAMillGivesNoChild) {
    const Position pos = BoardWith({{0, 0}, {0, 3}}, {{6, 0}, {6, 3}, {6, 6}}, 4, 4);
    const std::vector<Position> children = AllChildren(pos, PLAYER_WHITE);
    EXPECT_EQ(children.size(), 24u - 5u - 1u);
    for (const Position& child : children) {
        EXPECT_EQ(child.Cell(0, 6), CELL_EMPTY);
    }
    // The placement just before (0,6) in the order, (5,5), and just after, (3,6), are there.
    Position before = pos;
    before.Cell(5, 5) = PLAYER_WHITE;
    before.Hand(PLAYER_WHITE) = 3;
    Position after = pos;
    after.Cell(3, 6) = PLAYER_WHITE;
    after.Hand(PLAYER_WHITE) = 3;
    EXPECT_EQ(children[children.size() - 2], before);
    EXPECT_EQ(children[children.size() - 1], after);
}

// k capturable opposing stones give exactly k children for the mill move and no child
// without a capture.
TEST(MoveGenerator, MillMoveGivesOneChildPerCapturableStone) {
    // Black's mill (6,0), (6,3), (6,6) is safe; (1,1) and (5,5) are capturable.
    const Position pos =
        BoardWith({{0, 0}, {0, 3}}, {{6, 0}, {6, 3}, {6, 6}, {1, 1}, {5, 5}}, 4, 2);
    int nMillChildren = 0;
    for (const Position& child : AllChildren(pos, PLAYER_WHITE)) {
        if (child.Cell(0, 6) == PLAYER_WHITE) {
            ++nMillChildren;
            EXPECT_EQ(child.CountStones(PLAYER_BLACK), 6);
            EXPECT_EQ(child.Cell(6, 0) + child.Cell(6, 3) + child.Cell(6, 6), 3 * PLAYER_BLACK);
        }
    }
    EXPECT_EQ(nMillChildren, 2);
}

TEST(MoveGenerator, NoSlideAcrossTheCentre) {
    // A lone white stone (plus three hemmed stones to keep it sliding) at (3,2): its slides
    // reach (2,2), (4,2) and (3,1), never (3,4).
    Position pos = BoardWith({{3, 2}, {0, 0}, {0, 3}, {0, 6}}, {{3, 0}, {1, 3}, {3, 6}});
    for (const Position& child : AllChildren(pos, PLAYER_WHITE)) {
        EXPECT_EQ(child.Cell(3, 4), CELL_EMPTY);
    }
    EXPECT_EQ(SlideTarget(CellIndex(3, 2), DIRECTION_RIGHT), CellIndex(3, 3));
    EXPECT_EQ(SlideTarget(CellIndex(2, 3), DIRECTION_DOWN), CellIndex(3, 3));
    EXPECT_EQ(SlideTarget(CellIndex(0, 0), DIRECTION_DOWN), CellIndex(3, 0));
    EXPECT_EQ(SlideTarget(CellIndex(0, 0), DIRECTION_RIGHT), CellIndex(0, 3));
    EXPECT_EQ(SlideTarget(CellIndex(0, 0), DIRECTION_UP), -1);
}

// The slides the generator finds for a side are exactly the mobility the rules count.
TEST(MoveGenerator, SlidesMatchMobility) {
    const Position pos = BoardWith({{0, 6}, {2, 4}, {3, 5}, {5, 1}, {5, 3}, {5, 5}},
                                   {{3, 4}, {4, 3}, {4, 4}, {6, 0}});
    EXPECT_EQ(AllChildren(pos, PLAYER_WHITE).size(),
              static_cast<std::size_t>(pos.CountMobility(PLAYER_WHITE)));
    EXPECT_EQ(AllChildren(pos, PLAYER_BLACK).size(),
              static_cast<std::size_t>(pos.CountMobility(PLAYER_BLACK)));
}

TEST(MoveGenerator, ThreeStonesJumpToEveryEmptyPoint) {
    // White: three stones, none in hand; 24 - 3 - 4 = 17 empty points; no jump closes a
    // mill (no two white stones on one line).
    const Position pos = BoardWith({{0, 0}, {2, 4}, {5, 1}}, {{3, 4}, {4, 3}, {4, 4}, {6, 6}});
    const std::vector<Position> children = AllChildren(pos, PLAYER_WHITE);
    EXPECT_EQ(children.size(), 3u * 17u);
    // Source column-major outer, destination column-major inner: (0,0) to (3,0) first.
    EXPECT_EQ(children.front(), Moved(pos, 0, 0, 3, 0));
    EXPECT_EQ(children.back(), Moved(pos, 2, 4, 3, 6));
}

TEST(MoveGenerator, StonesInHandArePlacedEvenWithThreeOrFewer) {
    const Position pos = BoardWith({{0, 0}}, {{6, 6}, {6, 3}, {6, 0}, {3, 6}}, 2, 0);
    const std::vector<Position> children = AllChildren(pos, PLAYER_WHITE);
    EXPECT_EQ(children.size(), 24u - 5u);
    for (const Position& child : children) {
        EXPECT_EQ(child.Hand(PLAYER_WHITE), 1);
    }
}

TEST(MoveGenerator, NextMoveRepeatsUntilMakeChildAndStaysExhausted) {
    const Position pos =
        BoardWith({{5, 5}, {6, 0}, {6, 3}}, {{0, 0}, {0, 3}, {3, 0}, {3, 1}, {3, 6}});
    SearchNode node;
    node.InitMoves(pos, PLAYER_BLACK);
    Position first;
    Position second;
    int nChildren = 0;
    while (node.NextMove()) {
        ASSERT_EQ(node.NextMove(), 1);  // the same move again
        SearchNode copy = node;
        copy.MakeChild(first);
        node.MakeChild(second);
        EXPECT_EQ(first, second);
        ++nChildren;
    }
    EXPECT_EQ(nChildren, 10);
    EXPECT_EQ(node.NextMove(), 0);
    EXPECT_EQ(node.NextMove(), 0);
    // A MakeChild after exhaustion writes the unchanged position and does not crash.
    EXPECT_EQ(node.MakeChild(first), pos);
}

// Should a mill close while the opponent has no stone on the board (no game gets there),
// the move is given up instead of being returned for ever.
TEST(MoveGenerator, MillAgainstAnEmptyBoardIsGivenUp) {
    const Position pos = BoardWith({{0, 0}, {0, 3}}, {}, 1, 3);
    const std::vector<Position> children = AllChildren(pos, PLAYER_WHITE);
    EXPECT_EQ(children.size(), 21u);
}

}  // namespace
