// Plausibility of a position the game holds, for the runs that drive the document through
// long or random input and must notice a position that no sequence of turns can produce.
#pragma once

#include <string>

#include "position.h"

// "" when every off-board square holds CELL_OFFBOARD, every board point holds CELL_EMPTY,
// PLAYER_BLACK or PLAYER_WHITE, both hands lie in 0..9 and neither side has more than nine
// stones on the board and in hand together; otherwise what is wrong, naming the square.
std::string PositionFault(const Position& pos);

// Name of cell nCell for messages: "(row,col)".
std::string CellName(int nCell);

// Stones of nPlayer on the 24 board points, counted cell by cell.
int StonesOnBoard(const Position& pos, int nPlayer);
