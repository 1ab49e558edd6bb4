// The text form of a position for the command line: the 24 points in reading order from the
// top left of the board as drawn, the stones in hand and the side to move, for example the
// start position "........................ 9 9 W".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "point_names.h"
#include "position.h"

struct PositionText {
    Position pos;
    int nSideToMove;  // PLAYER_WHITE or PLAYER_BLACK
};

// Parses the text form: 24 characters 'W', 'B' or '.', then white's and black's stones in
// hand (0..9) and the side to move ('W' or 'B'), separated by single blanks. Refuses more
// than nine stones of a side on the board and in hand together. On failure returns nothing
// and writes a one-line reason into strError.
std::optional<PositionText> ParsePositionText(std::string_view text, std::string& strError);

// The text form of pos with nSideToMove to move.
std::string FormatPositionText(const Position& pos, int nSideToMove);
