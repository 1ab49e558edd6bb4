#include "board_points.h"
#include "position_checks.h"

std::string CellName(int nCell) {
    // Appended piece by piece: one concatenation chain trips a false -Wrestrict of g++ 12.
    std::string strName = "(";
    strName += std::to_string(nCell / GRID_SIZE);
    strName += ',';
    strName += std::to_string(nCell % GRID_SIZE);
    strName += ')';
    return strName;
}

int StonesOnBoard(const Position& pos, int nPlayer) {
    int nCount = 0;
    for (int nCell : BOARD_POINTS) {
        nCount += pos.m_anData[nCell] == nPlayer ? 1 : 0;
    }
    return nCount;
}

std::string PositionFault(const Position& pos) {
    for (int nCell = 0; nCell < CELL_COUNT; ++nCell) {
        const int nValue = pos.m_anData[nCell];
        const std::string strSquare = "square " + CellName(nCell);
        if (BOARD_TEMPLATE[nCell] == CELL_OFFBOARD) {
            if (nValue != CELL_OFFBOARD) {
                return "off-board " + strSquare + " holds " + std::to_string(nValue);
            }
        } else if (nValue != CELL_EMPTY && nValue != PLAYER_BLACK && nValue != PLAYER_WHITE) {
            return "board point " + strSquare + " holds " + std::to_string(nValue);
        }
    }
    for (int nPlayer : {PLAYER_WHITE, PLAYER_BLACK}) {
        const char* pszName = nPlayer == PLAYER_WHITE ? "white" : "black";
        const int nHand = pos.Hand(nPlayer);
        if (nHand < 0 || nHand > STONES_PER_SIDE) {
            return std::string(pszName) + " holds " + std::to_string(nHand) + " stones in hand";
        }
        const int nTotal = StonesOnBoard(pos, nPlayer) + nHand;
        if (nTotal > STONES_PER_SIDE) {
            return std::string(pszName) + " has " + std::to_string(nTotal) +
                   " stones on the board and in hand";
        }
    }
    return "";
}
