#include "board_texts.h"

#include "input_state.h"
#include "point_names.h"
#include "user_texts.h"

const char* PointContentText(int nCell) {
    switch (nCell) {
        case CELL_EMPTY:
            return TEXT_POINT_EMPTY;
        case PLAYER_WHITE:
            return TEXT_POINT_WHITE;
        case PLAYER_BLACK:
            return TEXT_POINT_BLACK;
        default:
            return "";
    }
}

std::string PointAccessibleName(const Position& pos, BoardPoint point) {
    return PointName(point.nRow, point.nCol) + " " +
           PointContentText(pos.Cell(point.nRow, point.nCol));
}

std::string TaskAccessibleText(int nState, BoardPoint picked) {
    switch (nState) {
        case STATE_THINKING:
            return TEXT_TASK_THINKING;
        case STATE_PLACE:
            return TEXT_TASK_PLACE;
        case STATE_CAPTURE:
            return TEXT_TASK_CAPTURE;
        case STATE_SELECT_SLIDE:
            return TEXT_TASK_SELECT_SLIDE;
        case STATE_SLIDE_TARGET:
            return FillText(TEXT_TASK_SLIDE_TARGET, {PointName(picked.nRow, picked.nCol)});
        case STATE_SELECT_JUMP:
            return TEXT_TASK_SELECT_JUMP;
        case STATE_JUMP_TARGET:
            return FillText(TEXT_TASK_JUMP_TARGET, {PointName(picked.nRow, picked.nCol)});
        case STATE_AUTOPLAY:
            return TEXT_TASK_AUTOPLAY;
        default:
            return "";
    }
}
