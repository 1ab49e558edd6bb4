#include "position_text.h"

#include "printable_text.h"

namespace {

int ParseHandCount(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : -1;
}

}  // namespace

std::optional<PositionText> ParsePositionText(std::string_view text, std::string& strError) {
    // "<24 points> <white hand> <black hand> <side>"
    constexpr std::size_t LENGTH = POINT_COUNT + 6;
    if (text.size() != LENGTH || text[24] != ' ' || text[26] != ' ' || text[28] != ' ') {
        strError =
            "a position is 24 characters W, B or '.', white's and black's stones in hand "
            "and the side to move, separated by single blanks, such as \"" +
            std::string(POINT_COUNT, '.') + " 9 9 W\"";
        return std::nullopt;
    }
    PositionText result{};
    result.pos.ResetPosition();
    for (int nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
        int nValue = 0;
        switch (text[static_cast<std::size_t>(nPoint)]) {
            case 'W':
                nValue = PLAYER_WHITE;
                break;
            case 'B':
                nValue = PLAYER_BLACK;
                break;
            case '.':
                nValue = CELL_EMPTY;
                break;
            default:
                strError = "unknown point character '" +
                           PrintableExcerpt(text.substr(static_cast<std::size_t>(nPoint), 1),
                                            ARGUMENT_EXCERPT_LENGTH) +
                           "' (use W, B or .)";
                return std::nullopt;
        }
        result.pos.m_anData[ReadingOrderCell(nPoint)] = nValue;
    }
    const int nWhiteHand = ParseHandCount(text[25]);
    const int nBlackHand = ParseHandCount(text[27]);
    if (nWhiteHand < 0 || nBlackHand < 0) {
        strError = "stones in hand must be 0 to 9";
        return std::nullopt;
    }
    result.pos.Hand(PLAYER_WHITE) = nWhiteHand;
    result.pos.Hand(PLAYER_BLACK) = nBlackHand;
    if (text[29] != 'W' && text[29] != 'B') {
        strError = "the side to move must be W or B";
        return std::nullopt;
    }
    result.nSideToMove = text[29] == 'W' ? PLAYER_WHITE : PLAYER_BLACK;
    if (result.pos.CountStones(PLAYER_WHITE) > STONES_PER_SIDE ||
        result.pos.CountStones(PLAYER_BLACK) > STONES_PER_SIDE) {
        strError = "a side has more than 9 stones on the board and in hand together";
        return std::nullopt;
    }
    return result;
}

std::string FormatPositionText(const Position& pos, int nSideToMove) {
    std::string text;
    text.reserve(POINT_COUNT + 6);
    for (int nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
        const int nCell = ReadingOrderCell(nPoint);
        const int nValue = pos.m_anData[nCell];
        text += nValue == PLAYER_WHITE ? 'W' : nValue == PLAYER_BLACK ? 'B' : '.';
    }
    const auto HandDigit = [](int nCount) {
        return (nCount >= 0 && nCount <= 9) ? static_cast<char>('0' + nCount) : '?';
    };
    text += ' ';
    text += HandDigit(pos.Hand(PLAYER_WHITE));
    text += ' ';
    text += HandDigit(pos.Hand(PLAYER_BLACK));
    text += ' ';
    text += nSideToMove == PLAYER_WHITE ? 'W' : 'B';
    return text;
}
