// Building positions for tests from the text form used by the engine command.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "position_text.h"

// Parses the text form or fails the test. The side to move is dropped.
inline Position PositionFromText(const std::string& text) {
    std::string strError;
    auto parsed = ParsePositionText(text, strError);
    EXPECT_TRUE(parsed.has_value()) << text << ": " << strError;
    return parsed ? parsed->pos : Position{};
}

// A board with the given stones, named by cell, and the given hands; everything else empty.
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
