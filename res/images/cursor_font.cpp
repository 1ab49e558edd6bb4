#include "cursor_font.h"

namespace {

// One glyph: its character and its rows from the top of a capital down to the lowest
// descender row, all of the glyph's width.
struct CursorGlyph {
    char cLetter;
    std::array<const char*, CURSOR_FONT_HEIGHT> apszRows;
};

// clang-format off
const std::array<CursorGlyph, 15> CURSOR_GLYPHS = {{
    {'S', {".BBB.",
           "B...B",
           "B....",
           ".BBB.",
           "....B",
           "....B",
           "B...B",
           ".BBB.",
           ".....",
           "....."}},
    {'Z', {"BBBBB",
           "....B",
           "...B.",
           "..B..",
           "..B..",
           ".B...",
           "B....",
           "BBBBB",
           ".....",
           "....."}},
    {'a', {"....",
           "....",
           ".BB.",
           "...B",
           ".BBB",
           "B..B",
           "B..B",
           ".BBB",
           "....",
           "...."}},
    {'c', {"....",
           "....",
           ".BB.",
           "B..B",
           "B...",
           "B...",
           "B..B",
           ".BB.",
           "....",
           "...."}},
    {'e', {"....",
           "....",
           ".BB.",
           "B..B",
           "BBBB",
           "B...",
           "B..B",
           ".BB.",
           "....",
           "...."}},
    {'g', {"....",
           "....",
           ".BBB",
           "B..B",
           "B..B",
           "B..B",
           ".BBB",
           "...B",
           "...B",
           ".BB."}},
    {'h', {"B...",
           "B...",
           "BBB.",
           "B..B",
           "B..B",
           "B..B",
           "B..B",
           "B..B",
           "....",
           "...."}},
    {'i', {"B",
           ".",
           "B",
           "B",
           "B",
           "B",
           "B",
           "B",
           ".",
           "."}},
    {'l', {"B",
           "B",
           "B",
           "B",
           "B",
           "B",
           "B",
           "B",
           ".",
           "."}},
    {'n', {"....",
           "....",
           "BBB.",
           "B..B",
           "B..B",
           "B..B",
           "B..B",
           "B..B",
           "....",
           "...."}},
    {'p', {"....",
           "....",
           "BBB.",
           "B..B",
           "B..B",
           "B..B",
           "BBB.",
           "B...",
           "B...",
           "B..."}},
    {'r', {"....",
           "....",
           "B.BB",
           "BB..",
           "B...",
           "B...",
           "B...",
           "B...",
           "....",
           "...."}},
    {'t', {"...",
           ".B.",
           "BBB",
           ".B.",
           ".B.",
           ".B.",
           ".B.",
           "..B",
           "...",
           "..."}},
    {'z', {"....",
           "....",
           "BBBB",
           "...B",
           "..B.",
           ".B..",
           "B...",
           "BBBB",
           "....",
           "...."}},
    {'?', {".BB.",
           "B..B",
           "...B",
           "..B.",
           ".B..",
           ".B..",
           "....",
           ".B..",
           "....",
           "...."}},
}};
// clang-format on

const CursorGlyph* FindGlyph(char cLetter) {
    for (const CursorGlyph& glyph : CURSOR_GLYPHS) {
        if (glyph.cLetter == cLetter) {
            return &glyph;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<CursorWordPicture> LayOutCursorWord(std::string_view word) {
    if (word.empty()) {
        return std::nullopt;
    }
    CursorWordPicture picture;
    for (std::size_t nIndex = 0; nIndex < word.size(); ++nIndex) {
        const CursorGlyph* pGlyph = FindGlyph(word[nIndex]);
        if (pGlyph == nullptr) {
            return std::nullopt;
        }
        for (std::size_t nRow = 0; nRow < picture.size(); ++nRow) {
            if (nIndex > 0) {
                picture[nRow] += '.';
            }
            picture[nRow] += pGlyph->apszRows[nRow];
        }
    }
    // A glyph with rows of unequal width would shift the letters after it on some rows.
    for (const std::string& row : picture) {
        if (row.size() != picture[0].size()) {
            return std::nullopt;
        }
    }
    return picture;
}
