#include "perft.h"

#include "search_node.h"

std::uint64_t Perft(const Position& pos, int nSide, int nDepth) {
    if (nDepth <= 0) {
        return 1;
    }
    SearchNode node;
    Position posChild;
    node.InitMoves(pos, nSide);
    std::uint64_t nCount = 0;
    while (node.NextMove()) {
        node.MakeChild(posChild);
        nCount += nDepth == 1 ? 1 : Perft(posChild, Opponent(nSide), nDepth - 1);
    }
    return nCount;
}
