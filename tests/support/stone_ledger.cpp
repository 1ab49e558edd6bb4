#include "stone_ledger.h"

#include "position_checks.h"
#include "turn_check.h"

void CStoneLedger::NewGame(const Position& posStart) {
    m_posLast = posStart;
    m_anCaptured[PLAYER_BLACK] = 0;
    m_anCaptured[PLAYER_WHITE] = 0;
}

std::string CStoneLedger::Observe(const Position& pos, int nMover, long& nTurns) {
    std::string strFault = PositionFault(pos);
    if (strFault.empty() && !(pos == m_posLast)) {
        ++nTurns;
        TurnChange change;
        strFault = ReadTurn(m_posLast, pos, nMover, change);
        if (change.nCaptured >= 0) {
            ++m_anCaptured[Opponent(nMover)];
        }
    }
    for (int nSide : {PLAYER_WHITE, PLAYER_BLACK}) {
        const int nTotal = StonesOnBoard(pos, nSide) + pos.Hand(nSide) + m_anCaptured[nSide];
        if (strFault.empty() && nTotal != STONES_PER_SIDE) {
            strFault = std::string(nSide == PLAYER_WHITE ? "white" : "black") +
                       ": board + hand + captured = " + std::to_string(nTotal);
        }
    }
    m_posLast = pos;
    return strFault;
}
