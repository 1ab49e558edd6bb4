// The board's keys and what the board tells assistive technology: where the arrows move the
// focus, what the keys do while they must not act, and the German texts of points, hands and
// tasks.
#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

#include "board_accessible_text.h"
#include "doc_fixture.h"

namespace {

BoardPoint Walk(BoardPoint from, std::initializer_list<int> keys) {
    for (int nKey : keys) {
        from = NextFocusPoint(from, nKey);
    }
    return from;
}

// The board as drawn: Right runs along the files, Down down the ranks, over the centre; at
// the edge the focus stays.
TEST(BoardFocus, ArrowsGoToTheNearestPointOnTheLineOrStay) {
    EXPECT_EQ(Walk({0, 0}, {FOCUS_RIGHT}), (BoardPoint{3, 0}));                         // a7 -> d7
    EXPECT_EQ(Walk({0, 0}, {FOCUS_RIGHT, FOCUS_RIGHT}), (BoardPoint{6, 0}));            // -> g7
    EXPECT_EQ(Walk({6, 0}, {FOCUS_RIGHT, FOCUS_UP}), (BoardPoint{6, 0}));               // edge
    EXPECT_EQ(Walk({3, 0}, {FOCUS_DOWN}), (BoardPoint{3, 1}));                          // d7 -> d6
    EXPECT_EQ(Walk({3, 0}, {FOCUS_DOWN, FOCUS_DOWN, FOCUS_DOWN}), (BoardPoint{3, 4}));  // d3
}

// From a7, where the focus starts, the arrows reach all 24 points.
TEST(BoardFocus, EveryPointCanBeReached) {
    std::set<int> reached = {CellIndex(0, 0)};
    std::vector<BoardPoint> todo = {{0, 0}};
    while (!todo.empty()) {
        const BoardPoint from = todo.back();
        todo.pop_back();
        for (int nDir = FOCUS_LEFT; nDir <= FOCUS_DOWN; ++nDir) {
            const BoardPoint next = NextFocusPoint(from, nDir);
            if (reached.insert(CellIndex(next.nRow, next.nCol)).second) {
                todo.push_back(next);
            }
        }
    }
    EXPECT_EQ(reached.size(), static_cast<std::size_t>(POINT_COUNT));
}

// While the computer thinks or plays alone, while a modal window (the About box) is open and
// while a box of the document is open, no key, click or point action does anything, not even
// show the focus.
TEST_F(DocTest, BoardKeysDoNothingWhenClicksDoNothing) {
    const auto pressAll = [this] {
        for (int nKey = BOARD_KEY_LEFT; nKey <= BOARD_KEY_LAST; ++nKey) {
            m_doc.OnBoardKey(nKey);
        }
        m_doc.OnPointAction({0, 3});
        m_doc.OnFieldClick(0, 6);
    };
    for (int nState : {STATE_THINKING, STATE_AUTOPLAY, STATE_PLACE}) {
        SetBoard({{0, 0}}, {{6, 6}}, 8, 8, nState);
        m_services.m_bModalOpen = nState == STATE_PLACE;
        const Snapshot before = Snap();
        pressAll();
        EXPECT_EQ(Snap(), before) << "state " << nState;
    }
    m_services.m_bModalOpen = false;
    // The refusal box is open in the capture state.
    SetBoard({{0, 0}, {0, 3}, {0, 6}}, {{6, 0}, {6, 3}, {6, 6}}, 6, 6, STATE_CAPTURE);
    m_services.m_answers = {IDYES};
    m_services.m_fnDuringBox = [&] {
        const Snapshot before = Snap();
        pressAll();
        EXPECT_EQ(Snap(), before);
    };
    m_doc.OnFieldClick(6, 3);
    EXPECT_EQ(m_services.m_boxes.size(), 1u);
    EXPECT_FALSE(m_doc.m_bFocusShown);
    EXPECT_EQ(m_doc.m_focus, (BoardPoint{0, 0}));
}

// Every key that does nothing says why, once; a typed name moves the focus. White a7 d7,
// black's mill g7 g4 g1; the picked stone is d7. Keys: < > ^ v the arrows, * Return, ! Escape,
// letters and digits themselves.
TEST_F(DocTest, EveryKeyIsAnswered) {
    const auto key = [](char c) {
        // The first six are BOARD_KEY_LEFT to BOARD_KEY_CANCEL in order.
        const std::size_t nIndex = std::string_view("<>^v*!").find(c);
        if (nIndex != std::string_view::npos) {
            return static_cast<int>(nIndex);
        }
        return c >= 'a' ? BOARD_KEY_FILE_A + c - 'a' : BOARD_KEY_DIGIT_0 + c - '0';
    };
    const auto point = [](std::string_view name) {
        return BoardPoint{name[0] - 'a', '7' - name[1]};
    };
    const std::string strHint = "Ein Punkt heißt Buchstabe a bis g, dann Ziffer 1 bis 7.";
    struct Row {
        int nState;
        std::string_view focus, keys, heard, focusAfter;
    };
    const std::vector<Row> rows = {
        {STATE_PLACE, "a7", "*", "a7 ist besetzt.", "a7"},
        {STATE_PLACE, "a7", "<^", "Kein Punkt weiter links. Kein Punkt weiter oben.", "a7"},
        {STATE_PLACE, "g1", ">v", "Kein Punkt weiter rechts. Kein Punkt weiter unten.", "g1"},
        {STATE_PLACE, "a7", "!", "Kein Stein aufgenommen.", "a7"},
        {STATE_CAPTURE, "d7", "*", "Auf d7 steht kein schwarzer Stein.", "d7"},
        // Yes in the box that refuses a stone in a mill: the capture is asked for again.
        {STATE_CAPTURE, "g4", "*",
         "Schlagen Sie einen schwarzen Stein, der in keiner Pelvar steht.", "g4"},
        {STATE_SELECT_SLIDE, "g7", "*", "Auf g7 steht keiner Ihrer Steine.", "g7"},
        {STATE_SLIDE_TARGET, "a7", "*", "a7 ist besetzt.", "a7"},
        {STATE_SLIDE_TARGET, "d7", "*", "Der Stein steht schon auf d7.", "d7"},
        {STATE_SLIDE_TARGET, "d5", "*", "d5 ist kein Nachbarpunkt von d7.", "d5"},
        {STATE_JUMP_TARGET, "g4", "*", "g4 ist besetzt.", "g4"},
        {STATE_THINKING, "a7", "*", "Der Computer denkt nach.", "a7"},
        {STATE_AUTOPLAY, "a7", "a", "Der Computer spielt gegen sich selbst.", "a7"},
        // Points by name: a letter, then a digit.
        {STATE_PLACE, "a7", "d1", "", "d1"},
        {STATE_PLACE, "a7", "ad3", "", "d3"},
        {STATE_PLACE, "a7", "a7", "a7 weiß", "a7"},
        {STATE_PLACE, "a7", "a5d0d9", "a5 ist kein Punkt. d0 ist kein Punkt. d9 ist kein Punkt.",
         "a7"},
        {STATE_PLACE, "a7", "4", strHint, "a7"},
        {STATE_PLACE, "a7", "d>7", strHint, "d7"},
    };
    for (const Row& row : rows) {
        SetBoard({{0, 0}, {3, 0}}, {{6, 0}, {6, 3}, {6, 6}}, 0, 0, row.nState);
        m_doc.m_nSelRow = 3;
        m_doc.m_nSelCol = 0;
        m_doc.m_focus = point(row.focus);
        m_services.m_announcements.clear();
        const Position pos = m_doc.m_posCurrent;
        for (char c : row.keys) {
            m_doc.OnBoardKey(key(c));
        }
        std::string strHeard;
        for (const std::string& strText : m_services.m_announcements) {
            strHeard += (strHeard.empty() ? "" : " ") + strText;
        }
        EXPECT_EQ(strHeard, row.heard) << row.keys;
        EXPECT_EQ(m_doc.m_focus, point(row.focusAfter)) << row.keys;
        EXPECT_EQ(m_doc.m_posCurrent, pos) << row.keys;
        EXPECT_EQ(m_doc.m_nState, row.nState) << row.keys;
    }
}

TEST(BoardAccessibleText, NamesHandsAndTasks) {
    Position pos;
    pos.ResetPosition();
    pos.Cell(3, 0) = PLAYER_WHITE;
    pos.Cell(6, 6) = PLAYER_BLACK;
    pos.Hand(PLAYER_WHITE) = 7;  // one white stone on the board, one lost
    pos.Hand(PLAYER_BLACK) = 5;  // one black stone on the board, three lost
    EXPECT_EQ(PointAccessibleName(pos, {0, 0}), "a7 leer");
    EXPECT_EQ(PointAccessibleName(pos, {3, 0}), "d7 weiß");
    EXPECT_EQ(PointAccessibleName(pos, {6, 6}), "g1 schwarz");
    EXPECT_EQ(HandAccessibleText(pos, PLAYER_WHITE), "Weiß: 7 in der Hand, 1 geschlagen");
    EXPECT_EQ(HandAccessibleText(pos, PLAYER_BLACK), "Schwarz: 5 in der Hand, 3 geschlagen");

    // Reading order a7 d7 g7 b6 ... g1, and back, for the 24 points only.
    EXPECT_EQ(PointAtReadingIndex(0), (BoardPoint{0, 0}));
    EXPECT_EQ(PointAtReadingIndex(1), (BoardPoint{3, 0}));
    EXPECT_EQ(PointAtReadingIndex(3), (BoardPoint{1, 1}));
    EXPECT_EQ(PointAtReadingIndex(23), (BoardPoint{6, 6}));
    for (int nRow = -1; nRow <= GRID_SIZE; ++nRow) {
        for (int nCol = -1; nCol <= GRID_SIZE; ++nCol) {
            const int nIndex = ReadingIndexOfPoint({nRow, nCol});
            if (IsBoardPoint(nRow, nCol)) {
                EXPECT_EQ(PointAtReadingIndex(nIndex), (BoardPoint{nRow, nCol}));
            } else {
                EXPECT_EQ(nIndex, -1) << nRow << "," << nCol;
            }
        }
    }

    // Each state has its own task; the target states name the picked stone.
    std::set<std::string> tasks;
    for (int nState = STATE_THINKING; nState <= STATE_AUTOPLAY; ++nState) {
        tasks.insert(TaskAccessibleText(nState, {3, 1}));
    }
    EXPECT_EQ(tasks.size(), 8u);
    EXPECT_EQ(tasks.count(""), 0u);
    EXPECT_EQ(TaskAccessibleText(STATE_SLIDE_TARGET, {3, 1}),
              "Ziehen Sie den Stein von d6 auf einen freien Nachbarpunkt.");
}

// The computer's reply to a7 changes two names and the description; a pick and a focus move
// change states; nothing changed means nothing to announce.
TEST_F(DocTest, BoardChangesAnnounceMovesPicksAndFocus) {
    const BoardAccessibleText start = DescribeBoard(m_doc);
    EXPECT_TRUE(BoardAccessibleChanges(start, start, true).empty());
    m_doc.OnFieldClick(0, 0);
    const BoardAccessibleText reply = DescribeBoard(m_doc);
    int nBlack = -1;
    for (int i = 0; i < POINT_COUNT; ++i) {
        if (reply.astrPointNames[static_cast<std::size_t>(i)].ends_with(" schwarz")) {
            nBlack = i;
        }
    }
    ASSERT_GT(nBlack, 0);
    EXPECT_EQ(
        BoardAccessibleChanges(start, reply, true),
        (std::vector<BoardAccessibleChange>{{BOARD_EVENT_NAME, 0}, {BOARD_EVENT_NAME, nBlack}}));
    // A new description alone is not told: the announcements say it.
    BoardAccessibleText thinking = reply;
    thinking.strDescription = start.strDescription + " ";
    EXPECT_TRUE(BoardAccessibleChanges(reply, thinking, true).empty());

    BoardAccessibleText picked = reply;
    picked.nSelectedIndex = 4;
    picked.nFocusIndex = 4;
    EXPECT_EQ(BoardAccessibleChanges(reply, picked, true),
              (std::vector<BoardAccessibleChange>{{BOARD_EVENT_SELECTED_STATE, 4},
                                                  {BOARD_EVENT_FOCUSED_STATE, 0},
                                                  {BOARD_EVENT_FOCUS, 4}}));
    // Without the keyboard focus on the board no point takes the focus.
    EXPECT_EQ(BoardAccessibleChanges(picked, reply, false),
              (std::vector<BoardAccessibleChange>{{BOARD_EVENT_SELECTED_STATE, 4},
                                                  {BOARD_EVENT_FOCUSED_STATE, 4}}));
}

}  // namespace
