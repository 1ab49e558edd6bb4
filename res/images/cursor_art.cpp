#include "cursor_art.h"

#include "cursor_font.h"
#include "resource_ids.h"

// clang-format off
const std::array<const char*, CURSOR_ARROW_ROWS> CURSOR_ARROW = {{
    "B",       // 0: the tip, the hot spot
    "BB",      // 1
    "BWB",     // 2
    "BWWB",    // 3
    "BWWBB",   // 4
    ".BWWB",   // 5
    "..BWWB",  // 6
    "...BB",   // 7
}};
// clang-format on

namespace {

struct CursorWord {
    int nId;
    const char* pszWord;
};

// clang-format off
const std::array<CursorWord, 5> CURSOR_WORDS = {{
    {IDC_CURSOR_PLACE,   "Setze"},
    {IDC_CURSOR_CAPTURE, "Schlag"},
    {IDC_CURSOR_SLIDE,   "Ziehe"},
    {IDC_CURSOR_JUMP,    "Spring"},
    {IDC_CURSOR_TARGET,  "Ziel?"},
}};
// clang-format on

}  // namespace

const char* CursorWordForId(int nId) {
    for (const CursorWord& entry : CURSOR_WORDS) {
        if (entry.nId == nId) {
            return entry.pszWord;
        }
    }
    return nullptr;
}

std::optional<CursorPicture> ComposeCursorPicture(std::string_view word) {
    const std::optional<CursorWordPicture> wordPicture = LayOutCursorWord(word);
    constexpr std::size_t WORD_BOX_WIDTH = CURSOR_WORD_RIGHT - CURSOR_WORD_LEFT + 1;
    if (!wordPicture || (*wordPicture)[0].size() > WORD_BOX_WIDTH) {
        return std::nullopt;
    }
    static_assert(CURSOR_WORD_TOP + CURSOR_FONT_HEIGHT - 1 == CURSOR_WORD_BOTTOM,
                  "the font fills the word box from its top to its bottom row");

    CursorPicture picture;
    picture.fill(std::string(CURSOR_SIZE, '.'));
    for (std::size_t nRow = 0; nRow < CURSOR_ARROW.size(); ++nRow) {
        picture[nRow].replace(0, std::char_traits<char>::length(CURSOR_ARROW[nRow]),
                              CURSOR_ARROW[nRow]);
    }
    for (std::size_t nRow = 0; nRow < wordPicture->size(); ++nRow) {
        const std::string& wordRow = (*wordPicture)[nRow];
        picture[static_cast<std::size_t>(CURSOR_WORD_TOP) + nRow].replace(
            static_cast<std::size_t>(CURSOR_WORD_LEFT), wordRow.size(), wordRow);
    }
    return picture;
}
