#include "board_key_answer.h"

#include "input_state.h"
#include "point_names.h"
#include "user_texts.h"

namespace {

std::string NameOf(BoardPoint point) {
    return PointName(point.nRow, point.nCol);
}

}  // namespace

int ClickRefusalAt(const Position& pos, int nState, BoardPoint picked, BoardPoint point) {
    if (!IsBoardPoint(point.nRow, point.nCol)) {
        return CLICK_NO_POINT;
    }
    const int nCell = pos.Cell(point.nRow, point.nCol);
    switch (nState) {
        case STATE_PLACE:
            return nCell == CELL_EMPTY ? CLICK_ACCEPTED : CLICK_OCCUPIED;
        case STATE_CAPTURE:
            return nCell == PLAYER_BLACK ? CLICK_ACCEPTED : CLICK_NOT_BLACK;
        case STATE_SELECT_SLIDE:
        case STATE_SELECT_JUMP:
            return nCell == PLAYER_WHITE ? CLICK_ACCEPTED : CLICK_NOT_OWN;
        default:
            break;
    }
    if (point == picked) {
        return CLICK_PICKED_ITSELF;
    }
    if (nCell != CELL_EMPTY) {
        return CLICK_OCCUPIED;
    }
    if (nState == STATE_SLIDE_TARGET &&
        !pos.IsLegalSlide(picked.nRow, picked.nCol, point.nRow, point.nCol)) {
        return CLICK_NOT_NEIGHBOUR;
    }
    return CLICK_ACCEPTED;
}

std::string ClickRefusalText(int nRefusal, BoardPoint point, BoardPoint picked) {
    switch (nRefusal) {
        case CLICK_OCCUPIED:
            return FillText(TEXT_REFUSED_OCCUPIED, {NameOf(point)});
        case CLICK_NOT_BLACK:
            return FillText(TEXT_REFUSED_NOT_BLACK, {NameOf(point)});
        case CLICK_NOT_OWN:
            return FillText(TEXT_REFUSED_NOT_OWN, {NameOf(point)});
        case CLICK_NOT_NEIGHBOUR:
            return FillText(TEXT_REFUSED_NOT_NEIGHBOUR, {NameOf(point), NameOf(picked)});
        case CLICK_PICKED_ITSELF:
            return FillText(TEXT_REFUSED_PICKED_ITSELF, {NameOf(point)});
        default:
            return "";
    }
}

std::string EdgeText(int nDirection) {
    switch (nDirection) {
        case FOCUS_LEFT:
            return FillText(TEXT_EDGE, {TEXT_DIRECTION_LEFT});
        case FOCUS_RIGHT:
            return FillText(TEXT_EDGE, {TEXT_DIRECTION_RIGHT});
        case FOCUS_UP:
            return FillText(TEXT_EDGE, {TEXT_DIRECTION_UP});
        case FOCUS_DOWN:
            return FillText(TEXT_EDGE, {TEXT_DIRECTION_DOWN});
        default:
            return "";
    }
}

BoardPoint NamedSquare(int nFile, int nDigit) {
    return {nFile, GRID_SIZE - nDigit};
}

std::string NotAPointText(int nFile, int nDigit) {
    const std::string strName{static_cast<char>('a' + nFile), static_cast<char>('0' + nDigit)};
    return FillText(TEXT_NOT_A_POINT, {strName});
}
