// What the board says to assistive technology (screen readers): the names of its 24 points,
// what the human is to do now and the stones in hand and captured, in German. Plain text in
// UTF-8; the window hands it to the accessibility interfaces unchanged.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "board_focus.h"
#include "board_texts.h"
#include "position.h"

class CPelvarDoc;

// The board point with reading-order index nIndex (0..23: a7, d7, g7, b6, ..., g1), the order
// of the board's accessible children.
BoardPoint PointAtReadingIndex(int nIndex);
// The reading-order index of a board point; -1 for any other square.
int ReadingIndexOfPoint(BoardPoint point);

// "Weiß" for PLAYER_WHITE, "Schwarz" for any other side.
const char* SideName(int nSide);

// One side's stones in hand and stones lost: "Weiß: 7 in der Hand, 1 geschlagen".
std::string HandAccessibleText(const Position& pos, int nSide);

// The board's description: the task, then white's and black's hands, each a sentence.
std::string DescriptionText(const Position& pos, int nState, BoardPoint picked);

// Everything the board's accessibility tree shows, read from the document at one moment.
struct BoardAccessibleText {
    std::array<std::string, POINT_COUNT> astrPointNames;  // in reading order
    std::string strDescription;  // the task, then white's and black's hands
    int nFocusIndex;             // reading index of the focused point
    int nSelectedIndex;          // reading index of the picked stone while its target is chosen,
                                 // else -1
    bool operator==(const BoardAccessibleText&) const = default;
};
BoardAccessibleText DescribeBoard(const CPelvarDoc& doc);

// What assistive technology must be told when the board changes from one reading to the
// next, each about one point (nIndex in reading order) or the board itself (nIndex -1).
enum BoardAccessibleEvent : int {
    BOARD_EVENT_NAME = 0,            // a point's name changed
    BOARD_EVENT_SELECTED_STATE = 2,  // a point gained or lost the selected state
    BOARD_EVENT_FOCUSED_STATE = 3,   // a point lost the focused state
    BOARD_EVENT_FOCUS = 4,           // a point has the focus now
};
struct BoardAccessibleChange {
    int nEvent;  // a BoardAccessibleEvent
    int nIndex;
    bool operator==(const BoardAccessibleChange&) const = default;
};

// The changes from before to after, in this order: the names of the points whose content
// changed (a move, a capture, a new game), the selected state of the
// stone picked before and of the one picked now, and when the focus moved, the focused state
// of the point it left and, while the board has the keyboard focus (bHasFocus), the focus on
// the new point. Empty when nothing changed. A changed description is not among them: screen
// readers speak such a change when they come to its event, by which time the game may have
// left the state it describes (the computer's move follows the human's at once), and the
// announcements say every change already; the description is read when asked for.
std::vector<BoardAccessibleChange> BoardAccessibleChanges(const BoardAccessibleText& before,
                                                          const BoardAccessibleText& after,
                                                          bool bHasFocus);
