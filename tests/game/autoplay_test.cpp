#include <string>

#include <gtest/gtest.h>

#include "doc_fixture.h"
#include "search.h"
#include "stone_ledger.h"

namespace {

class AutoplayTest : public DocTest {
protected:
    // Quits the application (as the window's close would) once nSearches have started, so
    // that a game without an end cannot hold the test.
    void QuitAfter(int nSearches) {
        m_services.m_fnOnThinkTimer = [this, nSearches] {
            if (m_services.m_nSearches > nSearches) {
                m_services.m_bQuitting = true;
            }
        };
    }

    // Checks what every paint inside the loop shows (all paints but the first, the start,
    // and the last, the fresh game): autoplay's state, one legal turn of the marker side from
    // m_posPrevious to m_posCurrent, m_posPrevious equal to the position the paint before
    // showed, and, for each side, stones on board and in hand plus those the opponent has
    // captured making nine.
    void ExpectPaintsConsistent() const {
        const auto& paints = m_services.m_paints;
        CStoneLedger ledger;
        ledger.NewGame(paints.front().posCurrent);
        long nTurns = 0;
        for (std::size_t i = 1; i + 1 < paints.size(); ++i) {
            const auto& paint = paints[i];
            EXPECT_EQ(paint.nState, STATE_AUTOPLAY) << "paint " << i;
            EXPECT_EQ(paint.posPrevious, paints[i - 1].posCurrent) << "paint " << i;
            ASSERT_EQ(ledger.Observe(paint.posCurrent, paint.nMarkerSide, nTurns), "")
                << "paint " << i;
        }
    }
};

TEST_F(AutoplayTest, StartsWithoutQuestionRightAfterTheStart) {
    QuitAfter(6);
    m_doc.OnAutoplay();
    // No question; the first search was white's, made from the start position.
    ASSERT_FALSE(m_services.m_paints.empty());
    EXPECT_EQ(m_services.m_paints.front().nState, STATE_AUTOPLAY);
    EXPECT_EQ(m_services.m_paints.front().posCurrent, StartPosition());
    ASSERT_GE(m_services.m_paints.size(), 2u);
    const auto& firstMove = m_services.m_paints[1];
    EXPECT_EQ(firstMove.nMarkerSide, PLAYER_WHITE);
    EXPECT_EQ(firstMove.posCurrent.Hand(PLAYER_WHITE), 8);
    EXPECT_EQ(firstMove.posCurrent.Hand(PLAYER_BLACK), 9);
    EXPECT_EQ(firstMove.posPrevious, StartPosition());
    for (const auto& box : m_services.m_boxes) {
        EXPECT_NE(box.nType, MB_YESNO | MB_ICONQUESTION);
    }
    EXPECT_EQ(m_services.m_thinkTimes.front(), 3500);
}

TEST_F(AutoplayTest, QuestionAnsweredNoLeavesTheGameAlone) {
    // In the placing phase, and with a stone picked in the sliding phase.
    const auto answerNo = [this] {
        const Snapshot before = Snap();
        const std::size_t nBoxes = m_services.m_boxes.size();
        m_services.m_answers = {IDNO};
        m_doc.OnAutoplay();
        ASSERT_EQ(m_services.m_boxes.size(), nBoxes + 1);
        EXPECT_EQ(m_services.m_boxes.back().strText, "Wollen Sie das aktuelle Spiel abbrechen?");
        EXPECT_EQ(m_services.m_boxes.back().nType, 36);
        Snapshot after = Snap();
        after.nBoxes = before.nBoxes;
        EXPECT_EQ(after, before);
    };
    m_doc.OnFieldClick(0, 0);  // a stone each side
    answerNo();
    SetBoard({{0, 0}, {3, 0}, {1, 3}, {5, 3}}, {{6, 6}, {3, 6}, {1, 5}, {5, 5}}, 0, 0,
             STATE_SELECT_SLIDE);
    m_doc.OnFieldClick(1, 3);
    ASSERT_EQ(m_doc.m_nState, STATE_SLIDE_TARGET);
    answerNo();
}

TEST_F(AutoplayTest, QuestionIsAskedInTheSlidingPhaseAndYesStartsAFreshGame) {
    SetBoard({{0, 0}, {3, 0}, {1, 3}, {5, 3}}, {{6, 6}, {3, 6}, {1, 5}, {5, 5}}, 0, 0,
             STATE_SELECT_SLIDE);
    m_services.m_answers = {IDYES};
    QuitAfter(2);
    m_doc.OnAutoplay();
    ASSERT_FALSE(m_services.m_boxes.empty());
    EXPECT_EQ(m_services.m_boxes[0].strText, "Wollen Sie das aktuelle Spiel abbrechen?");
    ASSERT_FALSE(m_services.m_paints.empty());
    EXPECT_EQ(m_services.m_paints.front().posCurrent, StartPosition());
}

// With a short think time the engine plays a whole game against itself. Every shown move is
// one move after m_posPrevious, the winner's last move is on the screen while its message is
// open, and afterwards the human can place a stone in a fresh game. With the random term
// off the games repeat: 700 nodes a move end with white's win, 1500 with black's.
struct AutoplayGame {
    int nNodesPerSearch;
    const char* pszMessage;
    int nWinner;
};

class AutoplayGameTest : public AutoplayTest, public ::testing::WithParamInterface<AutoplayGame> {};

TEST_P(AutoplayGameTest, PlaysAGameToItsEnd) {
    const AutoplayGame game = GetParam();
    m_services.m_nNodesPerSearch = game.nNodesPerSearch;
    QuitAfter(4000);
    m_doc.OnAutoplay();
    ASSERT_FALSE(m_services.m_bQuitting) << "no ending within 4000 moves";
    ASSERT_EQ(m_services.m_boxes.size(), 1u);
    const auto& box = m_services.m_boxes[0];
    EXPECT_EQ(box.strText, game.pszMessage);
    EXPECT_EQ(box.nType, MB_OK);
    EXPECT_EQ(box.nState, STATE_AUTOPLAY);
    EXPECT_EQ(box.nMarkerSide, game.nWinner);
    EXPECT_GE(Evaluate(box.posCurrent, game.nWinner), WIN_SCORE);
    EXPECT_NE(box.posPrevious, box.posCurrent);  // the winning move is marked
    // The winning move was painted before the message; the start after it.
    ASSERT_GE(m_services.m_paints.size(), 3u);
    EXPECT_EQ(m_services.m_paints[m_services.m_paints.size() - 2].posCurrent, box.posCurrent);
    EXPECT_EQ(m_services.m_paints.back().posCurrent, StartPosition());
    ExpectPaintsConsistent();
    // The paints inside the loop alternate white's and black's moves, each one move on.
    int nExpectedSide = PLAYER_WHITE;
    for (std::size_t i = 1; i + 1 < m_services.m_paints.size(); ++i) {
        const auto& paint = m_services.m_paints[i];
        EXPECT_EQ(paint.nMarkerSide, nExpectedSide) << "paint " << i;
        EXPECT_NE(paint.posCurrent, paint.posPrevious) << "paint " << i;
        nExpectedSide = Opponent(nExpectedSide);
    }
    EXPECT_EQ(m_doc.m_nState, STATE_PLACE);
    EXPECT_EQ(m_doc.m_nMarkerSide, PLAYER_BLACK);
    EXPECT_EQ(m_doc.m_posCurrent, StartPosition());
    EXPECT_EQ(m_doc.m_posPrevious, StartPosition());
    m_doc.OnFieldClick(3, 1);
    EXPECT_EQ(m_doc.m_posPrevious.Cell(3, 1), PLAYER_WHITE);
}

INSTANTIATE_TEST_SUITE_P(BothWinners, AutoplayGameTest,
                         ::testing::Values(AutoplayGame{700, "Weiss gewinnt!", PLAYER_WHITE},
                                           AutoplayGame{1500, "Schwarz gewinnt!", PLAYER_BLACK}),
                         [](const auto& test) {
                             return std::string(test.param.nWinner == PLAYER_WHITE ? "WhiteWins"
                                                                                   : "BlackWins");
                         });

// A side without a move ends autoplay with the computer's "no move" message, white's (ending
// at its own turn, before anything of its move is shown) as black's (after white's move is
// shown). The position is swapped for a blocked one as the search of that side is armed.
struct BlockedSide {
    int nSide;
    int nArming;  // which arming of the think timer the position is swapped at
};

class AutoplayBlockedTest : public AutoplayTest,
                            public ::testing::WithParamInterface<BlockedSide> {};

TEST_P(AutoplayBlockedTest, SideWithoutAMoveEndsTheGame) {
    const BlockedSide blocked = GetParam();
    // Five stones of the blocked side hemmed in by five of the other, nothing in hand.
    const std::initializer_list<std::pair<int, int>> hemmed = {
        {0, 0}, {0, 3}, {0, 6}, {3, 0}, {3, 6}};
    const std::initializer_list<std::pair<int, int>> hemming = {
        {1, 3}, {3, 1}, {6, 0}, {3, 5}, {6, 6}};
    const Position posBlocked =
        blocked.nSide == PLAYER_WHITE ? BoardWith(hemmed, hemming) : BoardWith(hemming, hemmed);
    std::size_t nPaintsAtSwap = 0;
    m_services.m_fnOnThinkTimer = [&] {
        if (m_services.m_nSearches == blocked.nArming) {
            m_doc.m_posCurrent = posBlocked;
            nPaintsAtSwap = m_services.m_paints.size();
        } else if (m_services.m_nSearches > blocked.nArming) {
            m_services.m_bQuitting = true;
        }
    };
    m_doc.OnAutoplay();
    ASSERT_FALSE(m_services.m_bQuitting);
    ASSERT_EQ(m_services.m_boxes.size(), 1u);
    const auto& box = m_services.m_boxes[0];
    EXPECT_EQ(box.strText, "Ich kann mich nicht mehr bewegen!\nLass mal neu anfangen.");
    EXPECT_EQ(box.nType, MB_OK);
    EXPECT_EQ(box.posCurrent, posBlocked);  // the search left the position alone
    // Nothing was painted between the swap and the message; after it, the fresh game.
    EXPECT_EQ(m_services.m_paints.size(), nPaintsAtSwap + 1);
    EXPECT_EQ(m_services.m_paints.back().posCurrent, StartPosition());
    if (blocked.nSide == PLAYER_BLACK) {
        // White's move is the last one shown.
        EXPECT_EQ(m_services.m_paints[nPaintsAtSwap - 1].nMarkerSide, PLAYER_WHITE);
        EXPECT_EQ(m_services.m_paints[nPaintsAtSwap - 1].posCurrent.Hand(PLAYER_WHITE), 8);
    }
    EXPECT_EQ(m_doc.m_nState, STATE_PLACE);
    EXPECT_EQ(m_doc.m_nMarkerSide, PLAYER_BLACK);
    EXPECT_EQ(m_doc.m_posCurrent, StartPosition());
    EXPECT_EQ(m_doc.m_posPrevious, StartPosition());
}

INSTANTIATE_TEST_SUITE_P(WhiteAndBlack, AutoplayBlockedTest,
                         ::testing::Values(BlockedSide{PLAYER_WHITE, 1},
                                           BlockedSide{PLAYER_BLACK, 2}),
                         [](const auto& test) {
                             return std::string(test.param.nSide == PLAYER_WHITE ? "WhiteBlocked"
                                                                                 : "BlackBlocked");
                         });

// Choosing "&Autoplay" again while a search runs must not start a second search inside the
// first: the command is greyed and refused, and the first search goes on undisturbed.
TEST_F(AutoplayTest, SecondAutoplayDuringASearchIsRefused) {
    QuitAfter(1);
    int nBoxesDuring = -1;
    m_services.m_fnDuringSearch = [this, &nBoxesDuring] {
        EXPECT_FALSE(m_doc.IsAutoplayEnabled());
        EXPECT_FALSE(m_doc.IsSettingsEnabled());
        const std::int64_t nNodes = g_nNodeCount;
        const int nDepth = g_nSearchDepth;
        m_doc.OnAutoplay();
        m_doc.OnSettings();
        EXPECT_EQ(g_nNodeCount, nNodes);
        EXPECT_EQ(g_nSearchDepth, nDepth);
        EXPECT_EQ(g_bSearchRunning, 1);
        EXPECT_EQ(m_doc.m_posCurrent, StartPosition());
        nBoxesDuring = static_cast<int>(m_services.m_boxes.size());
    };
    m_doc.OnAutoplay();
    EXPECT_EQ(nBoxesDuring, 0);
    EXPECT_EQ(m_services.m_nSettingsRuns, 0);
    EXPECT_EQ(m_services.m_thinkTimes.size(), 2u);  // white's and black's, no third
}

// Quitting during autoplay leaves the loop after the running search, with no message and no
// further search.
TEST_F(AutoplayTest, QuittingDuringASearchLeavesTheLoop) {
    m_services.m_fnOnThinkTimer = [this] {
        if (m_services.m_nSearches == 3) {
            m_services.m_fnDuringSearch = [this] { m_services.m_bQuitting = true; };
        }
    };
    m_doc.OnAutoplay();
    EXPECT_EQ(m_services.m_nSearches, 3);
    EXPECT_TRUE(m_services.m_boxes.empty());
    EXPECT_EQ(m_services.m_nQuitPosts, 1);
    EXPECT_FALSE(m_doc.IsBusy());
}

TEST_F(DocTest, QuittingDuringTheComputersMoveShowsNothingMore) {
    m_services.m_fnDuringSearch = [this] { m_services.m_bQuitting = true; };
    m_doc.OnFieldClick(0, 0);
    EXPECT_TRUE(m_services.m_boxes.empty());
    EXPECT_EQ(m_services.m_nWaitDepth, 0);
    EXPECT_FALSE(m_doc.IsBusy());
    const Snapshot before = Snap();
    m_doc.OnFieldClick(3, 1);  // nothing more happens once quitting
    EXPECT_EQ(Snap(), before);
}

TEST_F(DocTest, SettingsOkCopiesRandomMovesAndCancelRestores) {
    // Cancel after changing everything: seconds and random come back, statistics never
    // changed without OK.
    m_services.m_nSettingsResult = IDCANCEL;
    m_services.m_fnEditSettings = [](CSettingsDialog& dlg) {
        dlg.m_dSecondsPerMove = 7;
        dlg.m_bRandomMoves = 0;
    };
    g_bRandomMoves = 1;
    m_doc.OnSettings();
    EXPECT_EQ(m_doc.m_dlgSettings.m_dSecondsPerMove, 3.5);
    EXPECT_EQ(m_doc.m_dlgSettings.m_bRandomMoves, 1);
    EXPECT_EQ(g_bRandomMoves, 1);

    // OK: the new values stay and the engine's flag follows.
    m_services.m_nSettingsResult = IDOK;
    m_services.m_fnEditSettings = [](CSettingsDialog& dlg) {
        dlg.m_dSecondsPerMove = 0.5;
        dlg.m_bShowStatistics = 1;
        dlg.m_bRandomMoves = 0;
    };
    m_doc.OnSettings();
    EXPECT_EQ(m_doc.m_dlgSettings.m_dSecondsPerMove, 0.5);
    EXPECT_EQ(m_doc.m_dlgSettings.m_bShowStatistics, 1);
    EXPECT_EQ(g_bRandomMoves, 0);
    EXPECT_EQ(m_doc.ThinkTime(), 500);
    EXPECT_EQ(m_services.m_nSettingsRuns, 2);
}

TEST_F(DocTest, SettingsAreGreyedWhileThinkingAndDuringAutoplayOnly) {
    for (int nState = STATE_THINKING; nState <= STATE_AUTOPLAY; ++nState) {
        m_doc.m_nState = nState;
        const bool bEnabled = nState != STATE_THINKING && nState != STATE_AUTOPLAY;
        EXPECT_EQ(m_doc.IsSettingsEnabled(), bEnabled) << nState;
        m_doc.OnSettings();
        EXPECT_EQ(m_services.m_nSettingsRuns, bEnabled ? 1 : 0) << nState;
        m_services.m_nSettingsRuns = 0;
    }
}

}  // namespace
