// The document-type icon: a sheet of paper with a folded corner, the red letters "DOK1"
// and green lines for text. Both sizes are drawn by hand in the colours of CLASSIC_PALETTE
// (pixel_art.h): k black, w silver, W white, R red, G green, '.' transparent.
#include "icon_art.h"

// clang-format off

// 32 x 32: letters of 4 x 7 pixels ("1" 3 wide) below the folded corner.
const std::array<const char*, 32> DOCUMENT_ICON_32 = {{
    "................................",  // 0
    "....kkkkkkkkkkkkkkkkkk..........",  // 1
    "....kWWWWWWWWWWWWWWWWkk.........",  // 2
    "....kWWWWWWWWWWWWWWWWkwk........",  // 3
    "....kWWGGGGGGGGGGGWWWkWwk.......",  // 4
    "....kWWWWWWWWWWWWWWWWkWWwk......",  // 5
    "....kWWGGGGGGGGGGGWWWkWWWwk.....",  // 6
    "....kWWWWWWWWWWWWWWWWkkkkkkk....",  // 7
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 8
    "....kWWRRRWWWRRWWRWWRWWRWWWk....",  // 9
    "....kWWRWWRWRWWRWRWWRWRRWWWk....",  // 10
    "....kWWRWWRWRWWRWRWRWWWRWWWk....",  // 11
    "....kWWRWWRWRWWRWRRWWWWRWWWk....",  // 12
    "....kWWRWWRWRWWRWRWRWWWRWWWk....",  // 13
    "....kWWRWWRWRWWRWRWWRWWRWWWk....",  // 14
    "....kWWRRRWWWRRWWRWWRWRRRWWk....",  // 15
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 16
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 17
    "....kWWGGGGGGGGGGGGGGGGGGWWk....",  // 18
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 19
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 20
    "....kWWGGGGGGGGGGGGGGGGGGWWk....",  // 21
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 22
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 23
    "....kWWGGGGGGGGGGGGGGGGGGWWk....",  // 24
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 25
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 26
    "....kWWGGGGGGGGGGGGWWWWWWWWk....",  // 27
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 28
    "....kWWWWWWWWWWWWWWWWWWWWWWk....",  // 29
    "....kkkkkkkkkkkkkkkkkkkkkkkk....",  // 30
    "................................",  // 31
}};

// 16 x 16: letters of 3 x 5 pixels ("1" 2 wide); the sheet takes the whole width so that the
// four letters fit with a pixel between them.
const std::array<const char*, 16> DOCUMENT_ICON_16 = {{
    "kkkkkkkkkkkk....",  // 0
    "kWWWWWWWWWWkk...",  // 1
    "kWGGGGGGGWWkwk..",  // 2
    "kWWWWWWWWWWkWwk.",  // 3
    "kWGGGGGGGWWkkkkk",  // 4
    "kWWWWWWWWWWWWWWk",  // 5
    "kRRWWWRWWRWRWWRk",  // 6
    "kRWRWRWRWRWRWRRk",  // 7
    "kRWRWRWRWRRWWWRk",  // 8
    "kRWRWRWRWRWRWWRk",  // 9
    "kRRWWWRWWRWRWWRk",  // 10
    "kWWWWWWWWWWWWWWk",  // 11
    "kWGGGGGGGGGGGGWk",  // 12
    "kWWWWWWWWWWWWWWk",  // 13
    "kWGGGGGGGGWWWWWk",  // 14
    "kkkkkkkkkkkkkkkk",  // 15
}};

// clang-format on
