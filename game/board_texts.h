// The words for a board point and for what the human is to do, in German, which the board's
// accessibility tree, its announcements and its answers to keys share.
#pragma once

#include <string>

#include "board_focus.h"
#include "position.h"

// A point's content by its cell value: "leer", "weiß" or "schwarz"; "" for an off-board
// square (no point has one).
const char* PointContentText(int nCell);

// "<point> <content>", such as "a7 leer" or "d7 weiß". (nRow, nCol) must be a board point.
std::string PointAccessibleName(const Position& pos, BoardPoint point);

// What the human is to do in nState (an InputState); in the two target states picked names
// the picked stone's point.
std::string TaskAccessibleText(int nState, BoardPoint picked);
