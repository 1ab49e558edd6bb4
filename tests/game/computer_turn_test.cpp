#include <gtest/gtest.h>

#include "board_points.h"
#include "doc_fixture.h"

namespace {

// A new game: the start in both positions (no markers), the human to place.
void ExpectNewGame(const CPelvarDoc& doc) {
    Position start;
    start.ResetPosition();
    EXPECT_EQ(doc.m_posCurrent, start);
    EXPECT_EQ(doc.m_posPrevious, start);
    EXPECT_EQ(doc.m_nState, STATE_PLACE);
}

// The human takes black's third-last stone: black has two left and has lost before it
// moves. A click that arrives while the message is open changes nothing.
TEST_F(DocTest, HumanWinsWhenBlackIsDownToTwoStones) {
    SetBoard({{0, 0}, {0, 3}, {0, 6}}, {{6, 6}, {5, 5}, {1, 1}}, 0, 0, STATE_CAPTURE);
    m_services.m_fnDuringBox = [this] {
        const Position pos = m_doc.m_posCurrent;
        m_doc.OnFieldClick(6, 6);
        EXPECT_EQ(m_doc.m_posCurrent, pos);
    };
    m_doc.OnFieldClick(1, 1);
    ASSERT_EQ(m_services.m_boxes.size(), 1u);
    EXPECT_EQ(m_services.m_boxes[0].strText, "Bist Du das, Tobrek?");
    EXPECT_EQ(m_services.m_boxes[0].nType, MB_OK);
    EXPECT_EQ(m_services.m_boxes[0].nState, STATE_CAPTURE);
    EXPECT_EQ(m_services.m_boxes[0].posCurrent.CountStones(PLAYER_BLACK), 2);
    EXPECT_EQ(m_services.m_nSearches, 0);
    ExpectNewGame(m_doc);
    EXPECT_EQ(m_services.m_paints.back().posCurrent, StartPosition());
}

// White's slide to (3,6) takes the last free neighbour of black's four stones, which hold
// nothing in hand: black is blocked and has lost.
TEST_F(DocTest, HumanWinsWhenBlackIsBlocked) {
    SetBoard({{0, 3}, {3, 1}, {6, 3}, {1, 3}, {3, 5}}, {{0, 0}, {3, 0}, {6, 0}, {0, 6}}, 0, 0,
             STATE_SELECT_SLIDE);
    m_doc.OnFieldClick(3, 5);
    m_doc.OnFieldClick(3, 6);
    ASSERT_EQ(m_services.m_boxes.size(), 1u);
    EXPECT_EQ(m_services.m_boxes[0].strText, "Bist Du das, Tobrek?");
    EXPECT_EQ(m_services.m_nSearches, 0);
    ExpectNewGame(m_doc);
}

// White's stones all stand in the mill it has just closed and black fills the rest but
// (6,6): black's two moves into (6,6) both close mills with nothing to take, so black has no
// move at all. (No game gets this crowded; the document does not care.)
TEST_F(DocTest, ComputerWithoutAMoveEndsTheGame) {
    SetBoard({{1, 1}, {1, 3}, {1, 5}}, {}, 0, 0, STATE_CAPTURE);
    for (int nCell : BOARD_POINTS) {
        if (m_doc.m_posCurrent.m_anData[nCell] == CELL_EMPTY && nCell != CellIndex(6, 6)) {
            m_doc.m_posCurrent.m_anData[nCell] = PLAYER_BLACK;
        }
    }
    m_doc.m_posPrevious = m_doc.m_posCurrent;
    const Position before = m_doc.m_posCurrent;
    m_services.m_answers = {IDNO};  // every black stone stands in a mill: give the capture up
    m_doc.OnFieldClick(0, 0);
    ASSERT_EQ(m_services.m_boxes.size(), 2u);
    const auto& box = m_services.m_boxes[1];
    EXPECT_EQ(box.strText, "Ich kann mich nicht mehr bewegen!\nLass mal neu anfangen.");
    EXPECT_EQ(box.nType, MB_OK);
    EXPECT_EQ(box.nState, STATE_THINKING);
    EXPECT_EQ(box.posCurrent, before);
    EXPECT_EQ(box.posPrevious, box.posCurrent);  // no markers
    EXPECT_EQ(m_services.m_nWaitDepth, 0);       // the wait cursor ended before the box
    ExpectNewGame(m_doc);
}

// White jumps away from black's threat; black closes (6,0), (6,3), (6,6) and takes one of
// white's three stones.
TEST_F(DocTest, ComputerWinsAndShowsItsMoveFirst) {
    SetBoard({{0, 0}, {2, 4}, {5, 1}}, {{6, 0}, {6, 3}, {3, 6}, {1, 1}}, 0, 0, STATE_SELECT_JUMP);
    m_doc.OnFieldClick(0, 0);
    m_doc.OnFieldClick(4, 4);
    ASSERT_EQ(m_services.m_boxes.size(), 1u);
    const auto& box = m_services.m_boxes[0];
    EXPECT_EQ(box.strText, "Tja, da hab' ich wohl dann gewonnen.");
    EXPECT_EQ(box.nState, STATE_PLACE);
    EXPECT_EQ(box.posCurrent.CountStones(PLAYER_WHITE), 2);
    EXPECT_NE(box.posPrevious, box.posCurrent);  // black's winning move is marked
    EXPECT_EQ(box.posPrevious.Cell(4, 4), PLAYER_WHITE);
    EXPECT_EQ(m_services.m_nWaitDepth, 0);
    ExpectNewGame(m_doc);
}

TEST_F(DocTest, ThinkTimeFollowsTheSecondsSetting) {
    m_doc.m_dlgSettings.m_dSecondsPerMove = 1.99;
    m_doc.OnFieldClick(0, 0);
    m_doc.m_dlgSettings.m_dSecondsPerMove = 10;
    m_doc.OnFieldClick(6, 6);
    m_doc.m_dlgSettings.m_dSecondsPerMove = 2.01;
    m_doc.OnFieldClick(0, 6);
    EXPECT_EQ(m_services.m_thinkTimes, (std::vector<int>{1990, 10000, 2010}));
}

// Without a view no think timer is armed (the search here ends by itself, on a winning
// capture at its first iteration) and nothing is painted.
TEST_F(DocTest, WithoutAViewNoTimerIsArmed) {
    m_services.m_bHasView = false;
    SetBoard({{2, 2}, {6, 0}, {6, 3}}, {{0, 0}, {0, 3}, {3, 0}, {3, 1}, {3, 6}}, 0, 0,
             STATE_SELECT_JUMP);
    m_doc.OnFieldClick(2, 2);
    m_doc.OnFieldClick(5, 5);
    EXPECT_TRUE(m_services.m_thinkTimes.empty());
    EXPECT_TRUE(m_services.m_paints.empty());
    EXPECT_GT(m_services.m_nUpdates, 0);
    ASSERT_EQ(m_services.m_boxes.size(), 1u);
    EXPECT_EQ(m_services.m_boxes[0].strText, "Tja, da hab' ich wohl dann gewonnen.");
}

}  // namespace
