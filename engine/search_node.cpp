#include "search_node.h"

#include "compact_moves.h"

namespace {

// The child of board number nIndex in the generator's order, written into child; false when
// there are no more than nIndex children.
template <int nMover>
bool FindChild(const CompactBoard& board, std::int32_t nIndex, CompactBoard& child) {
    bool bFound = false;
    ForEachChild<nMover>(board, [&](const CompactBoard& candidate) {
        if (nIndex-- > 0) {
            return true;
        }
        child = candidate;
        bFound = true;
        return false;
    });
    return bFound;
}

}  // namespace

void SearchNode::InitMoves(const Position& pos, int nSide) {
    m_pos = pos;
    m_board = ToCompactBoard(pos);
    m_nSide = nSide;
    m_nMade = 0;
    m_nState = SEEKING;
}

int SearchNode::NextMove() {
    if (m_nState == SEEKING) {
        const bool bFound = m_nSide == PLAYER_WHITE ? FindChild<1>(m_board, m_nMade, m_child)
                                                    : FindChild<0>(m_board, m_nMade, m_child);
        m_nState = bFound ? PENDING : EXHAUSTED;
    }
    return m_nState == PENDING ? 1 : 0;
}

Position& SearchNode::MakeChild(Position& child) {
    child = m_pos;
    if (m_nState != PENDING) {
        return child;
    }
    const std::uint32_t nChanged =
        (m_board.anStones[0] ^ m_child.anStones[0]) | (m_board.anStones[1] ^ m_child.anStones[1]);
    for (std::uint32_t nLeft = nChanged; nLeft != 0; nLeft &= nLeft - 1) {
        const unsigned nPoint = LowestPoint(nLeft);
        const std::uint32_t nBit = 1u << nPoint;
        const int nCell = COMPACT.anPointCell[nPoint];
        child.m_anData[nCell] = (m_child.anStones[0] & nBit)   ? PLAYER_BLACK
                                : (m_child.anStones[1] & nBit) ? PLAYER_WHITE
                                                               : CELL_EMPTY;
    }
    child.Hand(PLAYER_BLACK) = m_child.anHand[0];
    child.Hand(PLAYER_WHITE) = m_child.anHand[1];
    ++m_nMade;
    m_nState = SEEKING;
    return child;
}
