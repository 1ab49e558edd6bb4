// The names of the board points as players write them: files a to g from left to right,
// ranks 7 to 1 from top to bottom of the drawn board, and the reading order of the points
// in which the engine command and the accessibility tree list them.
#pragma once

#include <string>

#include "position.h"

// The cell index of board point nPoint (0..23) in reading order: a7 d7 g7 b6 d6 f6 c5 d5 e5
// a4 b4 c4 e4 f4 g4 c3 d3 e3 b2 d2 f2 a1 d1 g1.
int ReadingOrderCell(int nPoint);

// Name of the board point on cell (row, col): file letter a + row, rank 7 - col ("a7").
std::string PointName(int nRow, int nCol);
