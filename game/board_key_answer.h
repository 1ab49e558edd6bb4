// What the board answers to a key or click that does nothing, so that a player who cannot see
// the board hears why: which clicks a state refuses and for what reason, an arrow at the
// board's edge, a typed point name that names no point.
#pragma once

#include <string>

#include "board_focus.h"
#include "position.h"

// Why a click on a point does nothing in one of the states that take clicks (STATE_PLACE to
// STATE_JUMP_TARGET).
enum ClickRefusal : int {
    CLICK_ACCEPTED = 0,       // the click acts (a stone in a mill is answered by a box)
    CLICK_NO_POINT = 1,       // the square is not a board point
    CLICK_OCCUPIED = 2,       // placing or moving onto a stone
    CLICK_NOT_BLACK = 3,      // capturing where no black stone stands
    CLICK_NOT_OWN = 4,        // picking where no white stone stands
    CLICK_NOT_NEIGHBOUR = 5,  // sliding to a free point that is not a neighbour
    CLICK_PICKED_ITSELF = 6,  // choosing the picked stone's own point as its target
};

// Whether a click on point in nState acts on pos, and if not, why. picked is the picked stone
// in the two target states. nState must be one of the states that take clicks.
int ClickRefusalAt(const Position& pos, int nState, BoardPoint picked, BoardPoint point);

// The refusal as one sentence about point (and picked): "a7 ist besetzt.", "d3 ist kein
// Nachbarpunkt von d1."; "" for CLICK_ACCEPTED and CLICK_NO_POINT.
std::string ClickRefusalText(int nRefusal, BoardPoint point, BoardPoint picked);

// An arrow (a FocusDirection) that finds no further point: "Kein Punkt weiter links.".
std::string EdgeText(int nDirection);

// The square a typed name means: file nFile (0 for a), rank nDigit (0..9), which is a board
// point only for the 24 names a7 ... g1.
BoardPoint NamedSquare(int nFile, int nDigit);

// A typed name that names no point: "a5 ist kein Punkt.".
std::string NotAPointText(int nFile, int nDigit);
