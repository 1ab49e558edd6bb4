#include <gtest/gtest.h>

#include "doc_fixture.h"
#include "search.h"

namespace {

int WhiteOnBoard(const Position& pos) {
    return pos.CountStones(PLAYER_WHITE) - pos.Hand(PLAYER_WHITE);
}
int BlackOnBoard(const Position& pos) {
    return pos.CountStones(PLAYER_BLACK) - pos.Hand(PLAYER_BLACK);
}

TEST_F(DocTest, NewDocumentHoldsTheStartAndTheDefaults) {
    EXPECT_EQ(m_doc.m_posCurrent, StartPosition());
    EXPECT_EQ(m_doc.m_posPrevious, StartPosition());
    EXPECT_EQ(m_doc.m_nState, STATE_PLACE);
    EXPECT_EQ(m_doc.m_nSelRow, -1);
    EXPECT_EQ(m_doc.m_nMarkerSide, PLAYER_BLACK);
    EXPECT_EQ(m_doc.m_dlgSettings.m_dSecondsPerMove, 3.5);
    EXPECT_EQ(m_doc.m_dlgSettings.m_bShowStatistics, 0);
    EXPECT_EQ(m_doc.m_dlgSettings.m_bRandomMoves, 1);
    EXPECT_EQ(m_doc.ThinkTime(), 3500);
}

// Indices outside 0..6 (the margins, the hand areas) and the off-board squares of the grid
// (the centre among them) do nothing, whatever the state.
TEST_F(DocTest, ClicksOffTheGridOrOffTheBoardDoNothingInAnyState) {
    for (int nState = STATE_THINKING; nState <= STATE_AUTOPLAY; ++nState) {
        const int nHand = nState == STATE_PLACE ? 5 : 0;
        SetBoard({{0, 0}, {3, 0}, {6, 0}, {1, 1}}, {{6, 6}, {5, 5}, {4, 4}, {3, 6}}, nHand, 0,
                 nState);
        m_doc.m_nSelRow = 0;
        m_doc.m_nSelCol = 0;
        const Snapshot before = Snap();
        for (auto [nRow, nCol] : {std::pair{-1, 0},
                                  {7, 3},
                                  {3, -5},
                                  {0, 7},
                                  {13, 8},
                                  {-313, 2},
                                  {3, 3},
                                  {0, 1},
                                  {1, 0},
                                  {2, 5},
                                  {6, 4},
                                  {5, 6}}) {
            m_doc.OnFieldClick(nRow, nCol);
        }
        EXPECT_EQ(Snap(), before) << "state " << nState;
    }
}

TEST_F(DocTest, ClicksWhileThinkingOrInAutoplayDoNothing) {
    for (int nState : {STATE_THINKING, STATE_AUTOPLAY}) {
        SetBoard({}, {}, 9, 9, nState);
        const Snapshot before = Snap();
        m_doc.OnFieldClick(0, 0);
        m_doc.OnFieldClick(3, 3);
        m_doc.OnCancelPick();
        EXPECT_EQ(Snap(), before);
    }
}

TEST_F(DocTest, PlacingOnAStoneOrOffTheBoardDoesNothing) {
    SetBoard({{0, 0}}, {{6, 6}}, 8, 8, STATE_PLACE);
    const Snapshot before = Snap();
    for (auto [nRow, nCol] : {std::pair{0, 0}, {6, 6}, {3, 3}, {0, 1}, {5, 6}}) {
        m_doc.OnFieldClick(nRow, nCol);
    }
    EXPECT_EQ(Snap(), before);
}

// A placement without a mill: the computer replies within the same click, and what black
// changed is what the markers will show.
TEST_F(DocTest, PlacementWithoutMillLetsTheComputerReply) {
    m_doc.OnFieldClick(0, 0);
    Position afterWhite = StartPosition();
    afterWhite.Cell(0, 0) = PLAYER_WHITE;
    afterWhite.Hand(PLAYER_WHITE) = 8;
    EXPECT_EQ(m_doc.m_posPrevious, afterWhite);
    EXPECT_EQ(m_doc.m_posCurrent.Cell(0, 0), PLAYER_WHITE);
    EXPECT_EQ(m_doc.m_posCurrent.Hand(PLAYER_BLACK), 8);
    EXPECT_EQ(BlackOnBoard(m_doc.m_posCurrent), 1);
    EXPECT_EQ(m_doc.m_nState, STATE_PLACE);
    EXPECT_EQ(m_services.m_thinkTimes, std::vector<int>{3500});
    EXPECT_TRUE(m_services.m_boxes.empty());
    EXPECT_EQ(m_services.m_nWaitDepth, 0);
    EXPECT_EQ(m_services.m_nMaxWaitDepth, 1);
    // The screen showed white's stone before the computer started thinking.
    ASSERT_FALSE(m_services.m_paints.empty());
    bool bShownBeforeSearch = false;
    for (const auto& paint : m_services.m_paints) {
        bShownBeforeSearch |= paint.nState == STATE_THINKING && paint.posCurrent == afterWhite;
    }
    EXPECT_TRUE(bShownBeforeSearch);
    EXPECT_EQ(m_services.m_paints.back().nState, STATE_PLACE);
}

TEST_F(DocTest, ThirdStoneInALineStartsACaptureBeforeTheComputerMoves) {
    SetBoard({{0, 0}, {0, 3}}, {{6, 6}, {5, 5}}, 7, 7, STATE_PLACE);
    m_doc.OnFieldClick(0, 6);
    EXPECT_EQ(m_doc.m_nState, STATE_CAPTURE);
    EXPECT_EQ(m_services.m_nSearches, 0);
    EXPECT_EQ(m_doc.m_posCurrent.Cell(0, 6), PLAYER_WHITE);
    EXPECT_EQ(m_doc.m_posPrevious, m_doc.m_posCurrent);
}

class CaptureTest : public DocTest {
protected:
    // White has just closed (0,0), (0,3), (0,6); black's (6,0), (6,3), (6,6) is a mill and
    // (1,1) stands alone.
    void SetUp() override {
        DocTest::SetUp();
        SetBoard({{0, 0}, {0, 3}, {0, 6}}, {{6, 0}, {6, 3}, {6, 6}, {1, 1}}, 6, 5, STATE_CAPTURE);
    }
};

TEST_F(CaptureTest, StoneInAMillIsRefusedAndYesKeepsTheCapturePending) {
    m_services.m_answers = {IDYES};
    const Position before = m_doc.m_posCurrent;
    m_doc.OnFieldClick(6, 3);
    ASSERT_EQ(m_services.m_boxes.size(), 1u);
    EXPECT_EQ(m_services.m_boxes[0].strText,
              "Den können Sie nicht schlagen!\nDer ist in einer Pelvar!\n\nWollen Sie es "
              "nochmal versuchen?");
    EXPECT_EQ(m_services.m_boxes[0].nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(m_services.m_boxes[0].nType, 36);
    EXPECT_EQ(m_doc.m_posCurrent, before);
    EXPECT_EQ(m_doc.m_nState, STATE_CAPTURE);
    EXPECT_EQ(m_services.m_nSearches, 0);
}

TEST_F(CaptureTest, NoGivesTheCaptureUpAndTheComputerMoves) {
    m_services.m_answers = {IDNO};
    m_doc.OnFieldClick(6, 3);
    EXPECT_EQ(m_services.m_nSearches, 1);
    EXPECT_EQ(m_doc.m_posCurrent.Hand(PLAYER_BLACK), 4);
    EXPECT_EQ(BlackOnBoard(m_doc.m_posCurrent), 5);  // nothing was taken, one was placed
    EXPECT_EQ(m_doc.m_nState, STATE_PLACE);
}

TEST_F(CaptureTest, StoneOutsideAMillIsTakenThenTheComputerMoves) {
    m_services.m_paints.clear();
    m_doc.OnFieldClick(1, 1);
    EXPECT_TRUE(m_services.m_boxes.empty());
    // While the computer thinks, the board shows the capture without the markers of white's
    // last move.
    ASSERT_FALSE(m_services.m_paints.empty());
    EXPECT_EQ(m_services.m_paints[0].posCurrent.Cell(1, 1), CELL_EMPTY);
    EXPECT_EQ(m_services.m_paints[0].posPrevious, m_services.m_paints[0].posCurrent);
    EXPECT_EQ(m_services.m_nSearches, 1);
    EXPECT_EQ(m_doc.m_posPrevious.Cell(1, 1), CELL_EMPTY);
    EXPECT_EQ(BlackOnBoard(m_doc.m_posPrevious), 3);
    EXPECT_EQ(m_doc.m_posCurrent.CountStones(PLAYER_BLACK), 8);
    EXPECT_EQ(m_doc.m_nState, STATE_PLACE);
}

TEST_F(CaptureTest, EmptyPointsWhiteStonesAndOffBoardSquaresAreIgnored) {
    const Snapshot before = Snap();
    for (auto [nRow, nCol] : {std::pair{3, 0}, {0, 0}, {0, 1}, {3, 3}, {2, 5}}) {
        m_doc.OnFieldClick(nRow, nCol);
    }
    EXPECT_EQ(Snap(), before);
    m_doc.OnCancelPick();  // a capture cannot be taken back
    EXPECT_EQ(Snap(), before);
}

class SlideTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        SetBoard({{0, 0}, {3, 0}, {1, 3}, {5, 3}}, {{6, 6}, {3, 6}, {1, 5}, {5, 5}}, 0, 0,
                 STATE_SELECT_SLIDE);
    }
};

TEST_F(SlideTest, PickRefuseCancelRepickAndSlide) {
    const Snapshot unpicked = Snap();
    m_doc.OnFieldClick(6, 6);  // a black stone is not picked
    m_doc.OnFieldClick(6, 0);  // nor an empty point
    EXPECT_EQ(Snap(), unpicked);
    m_doc.OnFieldClick(0, 0);
    EXPECT_EQ(m_doc.m_nState, STATE_SLIDE_TARGET);
    EXPECT_EQ(m_doc.m_nSelRow, 0);
    EXPECT_EQ(m_doc.m_nSelCol, 0);

    const Snapshot picked = Snap();
    m_doc.OnFieldClick(3, 0);  // another white stone: the pick stays
    m_doc.OnFieldClick(0, 6);  // not a neighbour
    m_doc.OnFieldClick(6, 6);  // black
    m_doc.OnFieldClick(0, 1);  // off the board
    EXPECT_EQ(Snap(), picked);

    m_doc.OnCancelPick();
    EXPECT_EQ(m_doc.m_nState, STATE_SELECT_SLIDE);
    EXPECT_EQ(m_doc.m_nSelRow, 0);  // kept, but no longer read

    m_doc.OnFieldClick(1, 3);
    ASSERT_EQ(m_doc.m_nState, STATE_SLIDE_TARGET);
    m_doc.OnFieldClick(1, 1);
    EXPECT_EQ(m_services.m_nSearches, 1);
    EXPECT_EQ(m_doc.m_posPrevious.Cell(1, 1), PLAYER_WHITE);
    EXPECT_EQ(m_doc.m_posPrevious.Cell(1, 3), CELL_EMPTY);
    EXPECT_EQ(m_doc.m_nState, m_doc.HumanNextState());
}

TEST_F(DocTest, SlideIntoAMillStartsACapture) {
    SetBoard({{0, 0}, {0, 3}, {3, 6}, {5, 5}}, {{6, 6}, {6, 0}, {5, 1}, {2, 2}}, 0, 0,
             STATE_SELECT_SLIDE);
    m_doc.OnFieldClick(3, 6);
    m_doc.OnFieldClick(0, 6);
    EXPECT_EQ(m_doc.m_nState, STATE_CAPTURE);
    EXPECT_EQ(m_services.m_nSearches, 0);
    EXPECT_EQ(m_doc.m_posCurrent.Cell(0, 6), PLAYER_WHITE);
}

class JumpTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        SetBoard({{0, 0}, {6, 6}, {2, 4}}, {{1, 1}, {5, 3}, {3, 4}, {4, 3}, {3, 0}}, 0, 0,
                 STATE_SELECT_JUMP);
    }
};

TEST_F(JumpTest, OnlyAnEmptyPointTakesThePickedStone) {
    m_doc.OnFieldClick(0, 0);
    ASSERT_EQ(m_doc.m_nState, STATE_JUMP_TARGET);
    const Snapshot picked = Snap();
    for (auto [nRow, nCol] : {std::pair{1, 1}, {6, 6}, {0, 0}, {0, 1}, {3, 3}}) {
        m_doc.OnFieldClick(nRow, nCol);
    }
    EXPECT_EQ(Snap(), picked);
    m_doc.OnCancelPick();
    EXPECT_EQ(m_doc.m_nState, STATE_SELECT_JUMP);
    m_doc.OnFieldClick(0, 0);
    m_doc.OnFieldClick(4, 4);  // far away
    EXPECT_EQ(m_services.m_nSearches, 1);
    EXPECT_EQ(m_doc.m_posPrevious.Cell(4, 4), PLAYER_WHITE);
    EXPECT_EQ(m_doc.m_posPrevious.Cell(0, 0), CELL_EMPTY);
    EXPECT_EQ(m_doc.m_nState, STATE_SELECT_JUMP);
}

// Black closes (6,0), (6,3), (6,6) and takes a white stone: white is down to three and
// jumps from then on.
TEST_F(DocTest, WhiteDownToThreeStonesJumps) {
    SetBoard({{0, 0}, {2, 2}, {4, 4}, {1, 5}}, {{6, 0}, {6, 3}, {3, 6}, {1, 1}}, 0, 0,
             STATE_SELECT_SLIDE);
    m_doc.OnFieldClick(2, 2);
    m_doc.OnFieldClick(2, 3);
    EXPECT_EQ(m_doc.m_posCurrent.CountStones(PLAYER_WHITE), 3);
    EXPECT_EQ(m_doc.m_nState, STATE_SELECT_JUMP);
    EXPECT_EQ(m_doc.HumanNextState(), STATE_SELECT_JUMP);
}

TEST_F(DocTest, HumanNextStateFollowsTheStonesInHandAndOnTheBoard) {
    SetBoard({{0, 0}}, {{6, 6}}, 1, 0, STATE_THINKING);
    EXPECT_EQ(m_doc.HumanNextState(), STATE_PLACE);
    SetBoard({{0, 0}, {0, 3}, {0, 6}, {1, 1}}, {{6, 6}}, 0, 0, STATE_THINKING);
    EXPECT_EQ(m_doc.HumanNextState(), STATE_SELECT_SLIDE);
    SetBoard({{0, 0}, {0, 3}, {0, 6}}, {{6, 6}}, 0, 0, STATE_THINKING);
    EXPECT_EQ(m_doc.HumanNextState(), STATE_SELECT_JUMP);
}

// A click that slips in through the search's message dispatch must neither start a second
// search nor touch the position.
TEST_F(DocTest, ClickDuringTheSearchIsIgnored) {
    Position duringSearch;
    m_services.m_fnDuringSearch = [this, &duringSearch] {
        duringSearch = m_doc.m_posCurrent;
        m_doc.OnFieldClick(0, 3);
        m_doc.OnFieldClick(6, 6);
        m_doc.OnCancelPick();
        m_doc.OnAutoplay();
        EXPECT_EQ(m_doc.m_posCurrent, duringSearch);
        EXPECT_EQ(m_doc.m_nState, STATE_THINKING);
        EXPECT_FALSE(m_doc.IsAutoplayEnabled());
        EXPECT_FALSE(m_doc.IsSettingsEnabled());
    };
    m_doc.OnFieldClick(0, 0);
    EXPECT_EQ(m_services.m_nSearches, 1);
    EXPECT_EQ(WhiteOnBoard(m_doc.m_posCurrent), 1);
    EXPECT_EQ(BlackOnBoard(m_doc.m_posCurrent), 1);
    EXPECT_TRUE(m_services.m_boxes.empty());
    EXPECT_TRUE(m_doc.IsAutoplayEnabled());
}

}  // namespace
