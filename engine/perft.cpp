#include "perft.h"

#include "compact_moves.h"

namespace {

template <int nMover>
std::uint64_t PerftCompact(const CompactBoard& board, int nDepth) {
    std::uint64_t nCount = 0;
    ForEachChild<nMover>(board, [&](const CompactBoard& child) {
        nCount += nDepth == 1 ? 1 : PerftCompact<1 - nMover>(child, nDepth - 1);
        return true;
    });
    return nCount;
}

}  // namespace

std::uint64_t Perft(const Position& pos, int nSide, int nDepth) {
    if (nDepth <= 0) {
        return 1;
    }
    const CompactBoard board = ToCompactBoard(pos);
    return nSide == PLAYER_WHITE ? PerftCompact<1>(board, nDepth) : PerftCompact<0>(board, nDepth);
}
