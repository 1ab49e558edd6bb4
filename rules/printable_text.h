// Text from outside (an argument, a file name) made safe to show in one line of a message:
// nothing in it can start a new line, move a terminal's cursor, hide or reorder characters
// or fill the screen. Every place that shows such a name shows it through this function.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest excerpt the engine's error messages show of an argument, in characters.
inline constexpr std::size_t ARGUMENT_EXCERPT_LENGTH = 80;

// text (bytes, meant as UTF-8) as at most nMaxChars characters (nMaxChars >= 1) of printable
// UTF-8:
//   - a valid UTF-8 character other than a control character stays as it is;
//   - a backslash becomes "\\";
//   - each byte of a control character (U+0000..U+001F, U+007F, U+0080..U+009F, and the line
//     and paragraph separators U+2028, U+2029), of a character that is invisible or turns the
//     text's direction (bidi marks, embeddings, overrides and isolates, zero-width spaces and
//     joiners, the soft hyphen, the byte order mark, tags), and each byte that is not part of
//     a valid UTF-8 character becomes "\xHH" (two lower-case hex digits), so the mapping is
//     one to one and what is shown reads in the order of the bytes;
//   - when the result would be longer than nMaxChars characters, it is cut after the last
//     whole character or escape that leaves room for "…" (U+2026), which then ends it.
// An escape counts as its four or two characters.
std::string PrintableExcerpt(std::string_view text, std::size_t nMaxChars);
