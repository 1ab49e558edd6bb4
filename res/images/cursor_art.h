// The five state cursors as text pictures in the codes of CURSOR_PALETTE (pixel_art.h):
// the shared arrow in the top-left corner, whose tip (0, 0) is the hot spot, and below it the
// word that names the action the player is to take next.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int CURSOR_SIZE = 32;

// The word box: rows 9 to 18 and columns 0 to 30; the font's capitals start in its top row
// and the descenders reach its bottom row.
inline constexpr int CURSOR_WORD_TOP = 9;
inline constexpr int CURSOR_WORD_BOTTOM = 18;
inline constexpr int CURSOR_WORD_LEFT = 0;
inline constexpr int CURSOR_WORD_RIGHT = 30;

// The arrow in rows 0 to 7, from column 0; pixels right of a row's string are transparent.
inline constexpr int CURSOR_ARROW_ROWS = 8;
extern const std::array<const char*, CURSOR_ARROW_ROWS> CURSOR_ARROW;

using CursorPicture = std::array<std::string, CURSOR_SIZE>;

// The word of cursor resource nId (106 to 110), or nullptr for any other id.
const char* CursorWordForId(int nId);

// The whole 32 x 32 picture of a cursor: the arrow, the word laid out in the cursor font from
// the top-left corner of the word box, every other pixel transparent. Returns no picture when
// the font cannot lay out the word or it is wider than the word box.
std::optional<CursorPicture> ComposeCursorPicture(std::string_view word);
