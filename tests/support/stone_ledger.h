// Follows one game from position to position and keeps the count of the stones each side
// has lost by captures the rules allowed, so that after every turn each side's stones on the
// board, in hand and captured can be checked to add up to nine.
#pragma once

#include <string>

#include "position.h"

class CStoneLedger {
public:
    // Starts a game at posStart with nothing captured.
    void NewGame(const Position& posStart);

    // pos follows the last position by one turn of nMover (read back with ReadTurn), or
    // equals it when the search made no move. Returns "" or what is wrong: an implausible
    // position, a turn the rules do not allow, or a side whose stones do not add up to nine.
    // Counts a turn in nTurns.
    std::string Observe(const Position& pos, int nMover, long& nTurns);

private:
    Position m_posLast{};
    int m_anCaptured[3] = {0, 0, 0};
};
