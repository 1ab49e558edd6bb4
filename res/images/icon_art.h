// The hand-drawn icon pictures, one string per pixel row in the codes of CLASSIC_PALETTE
// (pixel_art.h). Icon 128 is the board, icon 129 the document sheet.
#pragma once

#include <array>

extern const std::array<const char*, 32> BOARD_ICON_32;
extern const std::array<const char*, 16> BOARD_ICON_16;
extern const std::array<const char*, 32> DOCUMENT_ICON_32;
extern const std::array<const char*, 16> DOCUMENT_ICON_16;
