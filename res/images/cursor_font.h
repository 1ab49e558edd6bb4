// The pixel font of the cursor words: capitals eight pixels high, small letters six (those
// with an ascender eight), and the descenders of g and p two more below the baseline. Glyphs
// are 1 to 5 pixels wide and set with one blank column between them, so that the longest
// word of the cursors still fits into 31 columns.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Rows of a laid-out word: 0 is the top of a capital, 7 the baseline row, 8 and 9 hold the
// descenders.
inline constexpr int CURSOR_FONT_HEIGHT = 10;

// A word as a text picture in the cursor codes 'B' (ink) and '.' (transparent), all rows of
// equal width: the sum of the glyph widths plus one column between neighbouring glyphs.
using CursorWordPicture = std::array<std::string, CURSOR_FONT_HEIGHT>;

// Lays out a word in the font. Returns no picture when the word is empty or has a character
// that the font does not have (it has the letters of the five cursor words and '?').
std::optional<CursorWordPicture> LayOutCursorWord(std::string_view word);
