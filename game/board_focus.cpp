#include "board_focus.h"

BoardPoint NextFocusPoint(BoardPoint from, int nDirection) {
    int nRowStep = 0;
    int nColStep = 0;
    switch (nDirection) {
        case FOCUS_LEFT:
            nRowStep = -1;
            break;
        case FOCUS_RIGHT:
            nRowStep = 1;
            break;
        case FOCUS_UP:
            nColStep = -1;
            break;
        case FOCUS_DOWN:
            nColStep = 1;
            break;
        default:
            return from;
    }
    for (BoardPoint next{from.nRow + nRowStep, from.nCol + nColStep};
         IsOnGrid(next.nRow, next.nCol); next.nRow += nRowStep, next.nCol += nColStep) {
        if (IsBoardPoint(next.nRow, next.nCol)) {
            return next;
        }
    }
    return from;
}
