// Where the board icon's lines and stones lie. The hand-drawn pictures (board_icon_art.cpp)
// follow this table, the drawing for the large sizes (application_icon.cpp) is computed
// from it, and the tests hold the pictures to it, so that every size shows the same board.
#pragma once

#include <array>

// Pixel row and column of each of the seven grid lines 0..6 (outer square, middle square,
// inner square, centre line, inner, middle, outer) in the 32- and 16-pixel pictures.
inline constexpr std::array<int, 7> BOARD_ICON_GRID_32 = {2, 7, 12, 15, 18, 23, 28};
inline constexpr std::array<int, 7> BOARD_ICON_GRID_16 = {1, 4, 6, 7, 8, 10, 13};

// The ground is square and one pixel short of the picture; the last column and row carry
// its shadow, offset by one pixel.
inline constexpr int BOARD_ICON_GROUND_32 = 31;
inline constexpr int BOARD_ICON_GROUND_16 = 15;

// One stone: its grid point, counted from the left (nGridX) and from the top (nGridY), its
// colour, and whether the 16-pixel picture shows it too.
struct BoardIconStone {
    int nGridX;
    int nGridY;
    bool bWhite;
    bool bShownSmall;
};

// clang-format off
inline constexpr std::array<BoardIconStone, 7> BOARD_ICON_STONES = {{
    // x  y  white  16 px
    {0, 0, true,  true},   // outer square, top left
    {5, 1, true,  true},   // middle square, top right
    {3, 6, true,  true},   // outer square, bottom centre
    {2, 4, true,  false},  // inner square, bottom left
    {6, 6, false, true},   // outer square, bottom right
    {0, 3, false, true},   // outer square, left centre
    {1, 5, false, true},   // middle square, bottom left
}};
// clang-format on
