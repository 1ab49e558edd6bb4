#include "position.h"

#include <cstring>

#include "board_tables.h"

Position& Position::ResetPosition() {
    std::memcpy(m_anData, BOARD_TEMPLATE, sizeof BOARD_TEMPLATE);
    m_anData[WHITE_HAND] = STONES_PER_SIDE;
    m_anData[BLACK_HAND] = STONES_PER_SIDE;
    return *this;
}

int Position::CountStones(int nPlayer) const {
    int nCount = 0;
    for (int nCell : BOARD_POINTS) {
        nCount += m_anData[nCell] == nPlayer;
    }
    return nCount + Hand(nPlayer);
}

int Position::CountMobility(int nPlayer) const {
    int nMobility = 0;
    for (int nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
        if (m_anData[BOARD_POINTS[nPoint]] != nPlayer) {
            continue;
        }
        for (int nNeighbour : POINT_NEIGHBOURS[nPoint]) {
            if (nNeighbour < 0) {
                break;
            }
            nMobility += m_anData[nNeighbour] == CELL_EMPTY;
        }
    }
    return nMobility;
}

int Position::IsInMill(int nRow, int nCol, int nPlayer) const {
    // 1. The column line, chosen by the column alone except for the split column 3.
    const int nColFirst = MillLineFirst(nCol, nRow);
    const int nColStep = MillLineStep(nCol);
    if (Cell(nColFirst, nCol) == nPlayer && Cell(nColFirst + nColStep, nCol) == nPlayer &&
        Cell(nColFirst + 2 * nColStep, nCol) == nPlayer) {
        return 1;
    }
    // 2. The row line, chosen by the row alone except for the split row 3.
    const int nRowFirst = MillLineFirst(nRow, nCol);
    const int nRowStep = MillLineStep(nRow);
    if (Cell(nRow, nRowFirst) == nPlayer && Cell(nRow, nRowFirst + nRowStep) == nPlayer &&
        Cell(nRow, nRowFirst + 2 * nRowStep) == nPlayer) {
        return 1;
    }
    return 0;
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
