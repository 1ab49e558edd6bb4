#include "printable_text.h"

#include <vector>

namespace {

constexpr std::string_view ELLIPSIS = "\xe2\x80\xa6";

// The length of the valid UTF-8 character at the start of text, or 0 when its first byte
// starts none (a stray continuation byte, a truncated or overlong sequence, a surrogate,
// beyond U+10FFFF). *pCodePoint receives the character.
std::size_t Utf8CharLength(std::string_view text, char32_t* pCodePoint) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t nLength = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        *pCodePoint = lead;
        return 1;
    }
    if ((lead & 0xe0) == 0xc0) {
        nLength = 2;
        codePoint = lead & 0x1fu;
        minimum = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
        nLength = 3;
        codePoint = lead & 0x0fu;
        minimum = 0x800;
    } else if ((lead & 0xf8) == 0xf0) {
        nLength = 4;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < nLength) {
        return 0;
    }
    for (std::size_t i = 1; i < nLength; ++i) {
        if ((byte(i) & 0xc0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(i) & 0x3fu);
    }
    if (codePoint < minimum || codePoint > 0x10ffff ||
        (codePoint >= 0xd800 && codePoint <= 0xdfff)) {
        return 0;
    }
    *pCodePoint = codePoint;
    return nLength;
}

// Control characters, and the characters that are invisible or change how the text around
// them reads: the soft hyphen, the Arabic letter mark, zero-width spaces and joiners, the
// direction marks, embeddings, overrides and isolates, the word joiner and invisible
// operators, the byte order mark, the interlinear annotation marks and the tag characters.
bool IsControl(char32_t codePoint) {
    struct Range {
        char32_t first;
        char32_t last;
    };
    static constexpr Range RANGES[] = {
        {0x00, 0x1f},     {0x7f, 0x9f},     {0xad, 0xad},       {0x61c, 0x61c},
        {0x180e, 0x180e}, {0x200b, 0x200f}, {0x2028, 0x202e},   {0x2060, 0x206f},
        {0xfeff, 0xfeff}, {0xfff9, 0xfffb}, {0xe0000, 0xe007f},
    };
    for (const Range& range : RANGES) {
        if (codePoint >= range.first && codePoint <= range.last) {
            return true;
        }
    }
    return false;
}

std::string HexEscape(unsigned char byte) {
    constexpr std::string_view DIGITS = "0123456789abcdef";
    return {'\\', 'x', DIGITS[byte >> 4], DIGITS[byte & 0x0f]};
}

// One unit of the result: its bytes and the number of characters it shows.
struct Piece {
    std::string text;
    std::size_t nChars;
};

}  // namespace

std::string PrintableExcerpt(std::string_view text, std::size_t nMaxChars) {
    std::vector<Piece> pieces;
    std::size_t nTotal = 0;
    // Beyond this many characters the cut is certain; the rest of the text is not looked at.
    while (!text.empty() && nTotal <= nMaxChars) {
        char32_t codePoint = 0;
        const std::size_t nLength = Utf8CharLength(text, &codePoint);
        if (nLength == 0) {
            pieces.push_back({HexEscape(static_cast<unsigned char>(text[0])), 4});
            text.remove_prefix(1);
        } else if (IsControl(codePoint)) {
            for (std::size_t i = 0; i < nLength; ++i) {
                pieces.push_back({HexEscape(static_cast<unsigned char>(text[i])), 4});
            }
            text.remove_prefix(nLength);
        } else if (codePoint == '\\') {
            pieces.push_back({"\\\\", 2});
            text.remove_prefix(1);
        } else {
            pieces.push_back({std::string(text.substr(0, nLength)), 1});
            text.remove_prefix(nLength);
        }
        nTotal += pieces.back().nChars;
    }
    const bool bCut = !text.empty() || nTotal > nMaxChars;
    const std::size_t nRoom = bCut ? nMaxChars - 1 : nMaxChars;
    std::string result;
    std::size_t nShown = 0;
    for (const Piece& piece : pieces) {
        if (nShown + piece.nChars > nRoom) {
            break;
        }
        result += piece.text;
        nShown += piece.nChars;
    }
    if (bCut) {
        result += ELLIPSIS;
    }
    return result;
}
