#include "compact_board.h"

#include "position.h"

CompactBoard ToCompactBoard(const Position& pos) {
    CompactBoard board{};
    for (std::size_t nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
        const std::int32_t nValue = pos.m_anData[COMPACT.anPointCell[nPoint]];
        if (nValue == PLAYER_BLACK || nValue == PLAYER_WHITE) {
            board.anStones[nValue - 1] |= 1u << nPoint;
        }
    }
    const std::uint32_t nEmpty = ALL_POINTS & ~(board.anStones[0] | board.anStones[1]);
    for (std::size_t nPair = 0; nPair < SLIDE_PAIR_COUNT; ++nPair) {
        const std::uint64_t nBit = std::uint64_t{1} << nPair;
        for (std::size_t nSide = 0; nSide < 2; ++nSide) {
            if ((board.anStones[nSide] >> COMPACT.anPairFrom[nPair]) & 1u) {
                board.anFrom[nSide] |= nBit;
            }
        }
        if ((nEmpty >> COMPACT.anPairTo[nPair]) & 1u) {
            board.nToEmpty |= nBit;
        }
    }
    for (int nSide = 0; nSide < 2; ++nSide) {
        board.anHand[nSide] = pos.Hand(nSide + 1);
        int nOnBoard = 0;
        for (std::uint32_t nStones = board.anStones[nSide]; nStones != 0; nStones &= nStones - 1) {
            ++nOnBoard;
        }
        board.anTotal[nSide] = nOnBoard + board.anHand[nSide];
    }
    return board;
}
