#include "board_announcement.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "crt_random.h"
#include "doc_fixture.h"
#include "evaluate.h"

namespace {

BoardMoment Moment(const Position& pos, int nState, BoardPoint picked = {-1, -1}) {
    return {pos, nState, picked};
}

const std::string WELCOME =
    "Setzen Sie einen Stein auf einen freien Punkt. Sie spielen Weiß, der Computer Schwarz. "
    "Tasten: Pfeile bewegen, Eingabe wählt, Escape legt zurück, Buchstabe und Ziffer springen "
    "zum Punkt, S Stand, P Stellung, W wiederholt, F10 Menü.";

// What a screen reader is told for each kind of change, as the document makes them; the first
// task of a game, after a game or after autoplay, comes with the welcome.
TEST(BoardAnnouncement, TellsTurnsMillsPicksAndStates) {
    const Position start = BoardWith({}, {}, 9, 9);
    const Position a7 = BoardWith({{0, 0}}, {}, 8, 9);
    const Position whiteSliding = BoardWith({{0, 0}, {0, 3}, {3, 6}, {6, 0}}, {{6, 6}, {3, 1}});
    const Position slid = BoardWith({{0, 0}, {0, 3}, {0, 6}, {6, 0}}, {{6, 6}, {3, 1}});
    const Position jumped = BoardWith({{0, 0}, {0, 3}, {3, 4}, {6, 0}}, {{6, 6}, {3, 1}});
    const Position taken = BoardWith({{0, 0}, {0, 3}, {0, 6}, {6, 0}}, {{3, 1}});
    const Position blackTook = BoardWith({{0, 0}, {0, 3}, {0, 6}}, {{6, 6}, {3, 0}});
    struct Case {
        BoardMoment before;
        BoardMoment after;
        std::string strExpected;
    };
    const std::vector<Case> cases = {
        {Moment(start, STATE_PLACE), Moment(start, STATE_PLACE), ""},
        {Moment(start, STATE_PLACE), Moment(a7, STATE_PLACE), "Weiß setzt auf a7."},
        {Moment(a7, STATE_PLACE), Moment(a7, STATE_THINKING), "Der Computer denkt nach."},
        {Moment(whiteSliding, STATE_SELECT_SLIDE), Moment(whiteSliding, STATE_SLIDE_TARGET, {3, 6}),
         "Ziehen Sie den Stein von d1 auf einen freien Nachbarpunkt."},
        {Moment(whiteSliding, STATE_SLIDE_TARGET, {3, 6}), Moment(whiteSliding, STATE_SELECT_SLIDE),
         "Stein auf d1 zurückgelegt. Wählen Sie einen Ihrer Steine zum Ziehen."},
        {Moment(whiteSliding, STATE_SLIDE_TARGET, {3, 6}), Moment(slid, STATE_CAPTURE),
         "Weiß zieht von d1 nach a1. Pelvar geschlossen. Schlagen Sie einen schwarzen Stein, der "
         "in keiner Pelvar steht."},
        {Moment(slid, STATE_SLIDE_TARGET, {0, 6}), Moment(slid, STATE_THINKING),
         "Der Computer denkt nach."},
        {Moment(whiteSliding, STATE_JUMP_TARGET, {3, 6}), Moment(jumped, STATE_JUMP_TARGET),
         "Weiß springt von d1 nach d3."},
        {Moment(slid, STATE_CAPTURE), Moment(taken, STATE_CAPTURE), "Weiß schlägt g1."},
        {Moment(slid, STATE_THINKING), Moment(blackTook, STATE_THINKING),
         "Schwarz zieht von d6 nach d7 und schlägt g7."},
        {Moment(blackTook, STATE_THINKING), Moment(blackTook, STATE_SELECT_JUMP),
         "Wählen Sie einen Ihrer Steine zum Springen."},
        {Moment(blackTook, STATE_JUMP_TARGET, {0, 3}), Moment(blackTook, STATE_SELECT_JUMP),
         "Stein auf a4 zurückgelegt. Wählen Sie einen Ihrer Steine zum Springen."},
        {Moment(taken, STATE_CAPTURE), Moment(start, STATE_PLACE), "Neues Spiel. " + WELCOME},
        {Moment(start, STATE_AUTOPLAY), Moment(start, STATE_PLACE), WELCOME},
        {Moment(start, STATE_PLACE), Moment(start, STATE_AUTOPLAY),
         "Der Computer spielt gegen sich selbst."},
        // The computer's winning turn: the closing box follows, no task.
        {Moment(BoardWith({{0, 0}, {3, 0}, {6, 0}}, {{1, 1}, {3, 1}, {5, 3}}), STATE_THINKING),
         Moment(BoardWith({{0, 0}, {3, 0}}, {{1, 1}, {3, 1}, {5, 1}}), STATE_PLACE),
         "Schwarz zieht von f4 nach f6 und schlägt g7."},
    };
    // Telling draws no random number: the game's random sequence stays as it would be.
    const int bRandomMoves = std::exchange(g_bRandomMoves, 1);
    for (const Case& c : cases) {
        const unsigned int nRandomState = g_nCrtRandomState;
        EXPECT_EQ(BoardAnnouncement(c.before, c.after), c.strExpected) << c.strExpected;
        EXPECT_EQ(g_nCrtRandomState, nRandomState) << c.strExpected;
    }
    g_bRandomMoves = bRandomMoves;
}

// Through the document, as the window hears it at every repaint: a mill closed by placing,
// the capture, the computer's reply; the state on demand names the side that thinks and each
// side's whole last turn, and a new game forgets them.
TEST_F(DocTest, AnnouncerFollowsTheGameAndSumsItUp) {
    SetBoard({{0, 0}, {0, 3}}, {{3, 0}, {6, 6}}, 7, 7, STATE_PLACE);
    CBoardAnnouncer announcer(MomentOf(m_doc));
    std::vector<std::string> heard;
    m_services.m_fnOnPaint = [&] {
        if (std::string strText = announcer.Observe(MomentOf(m_doc)); !strText.empty()) {
            heard.push_back(strText);
        }
    };
    std::string strWhileThinking;
    m_services.m_fnDuringSearch = [&] { strWhileThinking = announcer.Summary(); };
    m_doc.OnFieldClick(0, 6);
    m_doc.OnFieldClick(6, 6);
    EXPECT_TRUE(strWhileThinking.starts_with("Schwarz ist am Zug. Der Computer denkt nach."))
        << strWhileThinking;
    ASSERT_EQ(heard.size(), 6u);
    EXPECT_EQ(heard[0], "Weiß setzt auf a1.");
    EXPECT_EQ(
        heard[1],
        "Pelvar geschlossen. Schlagen Sie einen schwarzen Stein, der in keiner Pelvar steht.");
    EXPECT_EQ(heard[2], "Weiß schlägt g1.");
    EXPECT_EQ(heard[3], "Der Computer denkt nach.");
    EXPECT_TRUE(heard[4].starts_with("Schwarz setzt auf ")) << heard[4];
    EXPECT_EQ(heard[5], "Setzen Sie einen Stein auf einen freien Punkt.");
    const std::string strSummary = announcer.Summary();
    EXPECT_TRUE(
        strSummary.starts_with("Weiß ist am Zug. Setzen Sie einen Stein auf einen "
                               "freien Punkt. Weiß: 6 in der Hand, 0 geschlagen. "
                               "Schwarz: 6 in der Hand, 1 geschlagen. Zuletzt: Weiß "
                               "setzt auf a1 und schlägt g1. Schwarz setzt auf "))
        << strSummary;

    EXPECT_EQ(announcer.Observe(Moment(StartPosition(), STATE_PLACE)), "Neues Spiel. " + WELCOME);
    EXPECT_EQ(announcer.Summary(),
              "Weiß ist am Zug. Setzen Sie einen Stein auf einen freien Punkt. Weiß: 9 in der "
              "Hand, 0 geschlagen. Schwarz: 9 in der Hand, 0 geschlagen.");
}

// The position key: each side's points in reading order, or none, with the stones in hand.
TEST(BoardAnnouncement, PositionNamesEachSidesPointsInReadingOrder) {
    EXPECT_EQ(PositionText(BoardWith({{6, 3}, {3, 0}, {0, 0}}, {{2, 2}}, 3, 8)),
              "Weiß auf a7, d7 und g4, 3 in der Hand. Schwarz auf c5, 8 in der Hand.");
    EXPECT_EQ(PositionText(BoardWith({}, {{4, 3}, {2, 2}}, 9, 4)),
              "Weiß ohne Stein auf dem Brett, 9 in der Hand. Schwarz auf c5 und e4, 4 in der "
              "Hand.");
}

}  // namespace
