// The main window's icon: the morris board, its three nested squares joined at their
// mid-points, on a yellow ground with a grey shadow to the right and below, and some white
// and black stones on points (the layout table in board_icon_layout.h names them). Both sizes
// are drawn by hand in the colours of CLASSIC_PALETTE (pixel_art.h): k black, K grey, w
// silver, W white, Y yellow, '.' transparent.
#include "icon_art.h"

// clang-format off

// 32 x 32: the board's lines on the pixel rows and columns 2, 7, 12, 15, 18, 23 and 28;
// stones are discs of 5 x 5 pixels, the white ones outlined in black and shaded in silver,
// the black ones lit in grey.
const std::array<const char*, 32> BOARD_ICON_32 = {{
    "YkkkYYYYYYYYYYYYYYYYYYYYYYYYYYY.",  // 0
    "kWWWkYYYYYYYYYYYYYYYYYYYYYYYYYYK",  // 1
    "kWWWkkkkkkkkkkkkkkkkkkkkkkkkkYYK",  // 2
    "kWWwkYYYYYYYYYYkYYYYYYYYYYYYkYYK",  // 3
    "YkkkYYYYYYYYYYYkYYYYYYYYYYYYkYYK",  // 4
    "YYkYYYYYYYYYYYYkYYYYYYkkkYYYkYYK",  // 5
    "YYkYYYYYYYYYYYYkYYYYYkWWWkYYkYYK",  // 6
    "YYkYYYYkkkkkkkkkkkkkkkWWWkYYkYYK",  // 7
    "YYkYYYYkYYYYYYYkYYYYYkWWwkYYkYYK",  // 8
    "YYkYYYYkYYYYYYYkYYYYYYkkkYYYkYYK",  // 9
    "YYkYYYYkYYYYYYYkYYYYYYYkYYYYkYYK",  // 10
    "YYkYYYYkYYYYYYYkYYYYYYYkYYYYkYYK",  // 11
    "YYkYYYYkYYYYkkkkkkkYYYYkYYYYkYYK",  // 12
    "YkkkYYYkYYYYkYYYYYkYYYYkYYYYkYYK",  // 13
    "kKkkkYYkYYYYkYYYYYkYYYYkYYYYkYYK",  // 14
    "kkkkkkkkkkkkkYYYYYkkkkkkkkkkkYYK",  // 15
    "kkkkkYYkYYYkkkYYYYkYYYYkYYYYkYYK",  // 16
    "YkkkYYYkYYkWWWkYYYkYYYYkYYYYkYYK",  // 17
    "YYkYYYYkYYkWWWkkkkkYYYYkYYYYkYYK",  // 18
    "YYkYYYYkYYkWWwkkYYYYYYYkYYYYkYYK",  // 19
    "YYkYYYYkYYYkkkYkYYYYYYYkYYYYkYYK",  // 20
    "YYkYYYkkkYYYYYYkYYYYYYYkYYYYkYYK",  // 21
    "YYkYYkKkkkYYYYYkYYYYYYYkYYYYkYYK",  // 22
    "YYkYYkkkkkkkkkkkkkkkkkkkYYYYkYYK",  // 23
    "YYkYYkkkkkYYYYYkYYYYYYYYYYYYkYYK",  // 24
    "YYkYYYkkkYYYYYYkYYYYYYYYYYYYkYYK",  // 25
    "YYkYYYYYYYYYYYkkkYYYYYYYYYYkkkYK",  // 26
    "YYkYYYYYYYYYYkWWWkYYYYYYYYkKkkkK",  // 27
    "YYkkkkkkkkkkkkWWWkkkkkkkkkkkkkkK",  // 28
    "YYYYYYYYYYYYYkWWwkYYYYYYYYkkkkkK",  // 29
    "YYYYYYYYYYYYYYkkkYYYYYYYYYYkkkYK",  // 30
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK",  // 31
}};

// 16 x 16: the lines on the rows and columns 1, 4, 6, 7, 8, 10 and 13 (the nested squares
// closer together towards the centre, so that the outer rings keep some yellow between their
// lines); stones are blocks of 3 x 3 pixels, and the stone of the inner square is left out,
// which the small size has no room for.
const std::array<const char*, 16> BOARD_ICON_16 = {{
    "WWWYYYYYYYYYYYY.",  // 0
    "WWWkkkkkkkkkkkYK",  // 1
    "WWwYYYYkYYYYYkYK",  // 2
    "YkYYYYYkYWWWYkYK",  // 3
    "YkYYkkkkkWWWYkYK",  // 4
    "YkYYkYYkYWWwYkYK",  // 5
    "KkkYkYkkkYkYYkYK",  // 6
    "kkkkkkkYkkkkkkYK",  // 7
    "kkkYkYkkkYkYYkYK",  // 8
    "YkYKkkYkYYkYYkYK",  // 9
    "YkYkkkkkkkkYYkYK",  // 10
    "YkYkkkYkYYYYYkYK",  // 11
    "YkYYYYWWWYYYKkkK",  // 12
    "YkkkkkWWWkkkkkkK",  // 13
    "YYYYYYWWwYYYkkkK",  // 14
    ".KKKKKKKKKKKKKKK",  // 15
}};

// clang-format on
