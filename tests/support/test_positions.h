// Building positions for tests.
#pragma once

#include <initializer_list>
#include <utility>

#include "position.h"

// A board with the given stones, named by (row, column), and the given hands; every other
// point empty.
inline Position BoardWith(std::initializer_list<std::pair<int, int>> white,
                          std::initializer_list<std::pair<int, int>> black, int nWhiteHand = 0,
                          int nBlackHand = 0) {
    Position pos;
    pos.ResetPosition();
    for (auto [nRow, nCol] : white) {
        pos.Cell(nRow, nCol) = PLAYER_WHITE;
    }
    for (auto [nRow, nCol] : black) {
        pos.Cell(nRow, nCol) = PLAYER_BLACK;
    }
    pos.Hand(PLAYER_WHITE) = nWhiteHand;
    pos.Hand(PLAYER_BLACK) = nBlackHand;
    return pos;
}
