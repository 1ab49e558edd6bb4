#include "position.h"

#include <cstring>


Position& Position::ResetPosition() {
    std::memcpy(m_anData, BOARD_TEMPLATE, sizeof BOARD_TEMPLATE);
    m_anData[WHITE_HAND] = STONES_PER_SIDE;
    m_anData[BLACK_HAND] = STONES_PER_SIDE;
    return *this;
}

int Position::IsLegalSlide(int nFromRow, int nFromCol, int nToRow, int nToCol) const {
    if (!IsOnGrid(nFromRow, nFromCol) || !IsOnGrid(nToRow, nToCol)) {
        return 0;
    }
    const int nSource = Cell(nFromRow, nFromCol);
    if (nSource == CELL_OFFBOARD || nSource == CELL_EMPTY) {
        return 0;
    }
    if (Cell(nToRow, nToCol) != CELL_EMPTY) {
        return 0;
    }
    // Both squares are board points here, so the step distance alone decides: on row or
    // column 3 a step of 1 cannot cross the centre, which is off-board and was refused above.
    if (nFromRow == nToRow) {
        const int nDistance = nToCol > nFromCol ? nToCol - nFromCol : nFromCol - nToCol;
        return nDistance == LineStep(nFromRow) ? 1 : 0;
    }
    if (nFromCol == nToCol) {
        const int nDistance = nToRow > nFromRow ? nToRow - nFromRow : nFromRow - nToRow;
        return nDistance == LineStep(nFromCol) ? 1 : 0;
    }
    return 0;
}

int Position::MoveStone(int nFromRow, int nFromCol, int nToRow, int nToCol) {
    Cell(nToRow, nToCol) = Cell(nFromRow, nFromCol);
    Cell(nFromRow, nFromCol) = CELL_EMPTY;
    return 1;
}
