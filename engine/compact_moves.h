// The move generator on the compact board: the one implementation behind SearchNode, Perft
// and the search. Internal linkage, as in compact_bits.h.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

#include "compact_bits.h"
#include "compact_board.h"

namespace {

// The opposing stones that stand in no mill: the capture candidates of every mill move of
// the side to move, since none of its moves changes the opponent's stones.
inline std::uint32_t Capturable(std::uint32_t nOpponent) {
    // Full column lines, then full halves of the middle row, marked at their first point
    // and spread over their three; then the other rows one by one.
    const std::uint32_t nColumns =
        nOpponent & (nOpponent >> 1) & (nOpponent >> 2) & COLUMN_LINE_STARTS;
    const std::uint32_t nMiddle =
        nOpponent & (nOpponent >> 3) & (nOpponent >> 6) & MIDDLE_ROW_STARTS;
    std::uint32_t nInMill = (nColumns * 7u) | (nMiddle * 0x49u);
    for (std::uint32_t nLine : OTHER_ROW_LINE_MASKS) {
        nInMill |= (nOpponent & nLine) == nLine ? nLine : 0;
    }
    return nOpponent & ~nInMill;
}

// Whether nOwn holds both partners of a point on one of its two lines.
inline bool HoldsLine(std::uint32_t nOwn, const std::array<std::uint32_t, 2>& anPartners) {
    return (nOwn & anPartners[0]) == anPartners[0] || (nOwn & anPartners[1]) == anPartners[1];
}

// The opposing stones that a mill move of side index nMover may take, computed at the first
// mill move of a node and kept for the others.
template <int nMover>
class CaptureCandidates {
public:
    explicit CaptureCandidates(const CompactBoard& board) : m_board(board) {}

    std::uint32_t Get() {
        if (!m_bKnown) {
            m_nCapturable = Capturable(m_board.anStones[1 - nMover]);
            m_bKnown = true;
        }
        return m_nCapturable;
    }

private:
    const CompactBoard& m_board;
    bool m_bKnown = false;
    std::uint32_t m_nCapturable = 0;
};

// The moves of side index nMover in board, before their captures, in the generator's order
// (SearchNode in search_node.h tells it), each handed to onMove until onMove returns false:
//   - a side with stones in hand places them on the empty points;
//   - else a side of exactly JUMP_STONES stones jumps, sources then targets in point order;
//   - else it slides, in pair order.
// onMove(bSlide, nStonesFlip, nFromFlip, nToEmptyFlip, anPartners) gets what the move flips
// by exclusive or in the mover's stones, the mover's slide sources and the empty targets,
// and the line partners of the point it arrives on; bSlide is a std::bool_constant.
// Returns false when onMove stopped the walk.
template <int nMover, class OnMove>
__attribute__((always_inline)) inline bool ForEachMove(const CompactBoard& board, OnMove&& onMove) {
    const std::uint32_t nEmpty = ALL_POINTS & ~(board.anStones[0] | board.anStones[1]);
    if (board.anHand[nMover] > 0) {
        for (std::uint32_t nLeft = nEmpty; nLeft != 0; nLeft &= nLeft - 1) {
            const unsigned nTo = LowestPoint(nLeft);
            if (!onMove(std::false_type{}, 1u << nTo, COMPACT.anPairsFrom[nTo],
                        COMPACT.anPairsTo[nTo], COMPACT.anLinePartners[nTo])) {
                return false;
            }
        }
        return true;
    }
    if (board.anTotal[nMover] == JUMP_STONES) {
        for (std::uint32_t nSources = board.anStones[nMover]; nSources != 0;
             nSources &= nSources - 1) {
            const unsigned nSource = LowestPoint(nSources);
            for (std::uint32_t nTargets = nEmpty; nTargets != 0; nTargets &= nTargets - 1) {
                const unsigned nTo = LowestPoint(nTargets);
                if (!onMove(std::false_type{}, (1u << nSource) | (1u << nTo),
                            COMPACT.anPairsFrom[nSource] ^ COMPACT.anPairsFrom[nTo],
                            COMPACT.anPairsTo[nSource] ^ COMPACT.anPairsTo[nTo],
                            COMPACT.anLinePartners[nTo])) {
                    return false;
                }
            }
        }
        return true;
    }
    for (std::uint64_t nPairs = board.anFrom[nMover] & board.nToEmpty; nPairs != 0;
         nPairs &= nPairs - 1) {
        const unsigned nPair = LowestPair(nPairs);
        if (!onMove(std::true_type{}, COMPACT.anPairPoints[nPair], COMPACT.anPairFromFlip[nPair],
                    COMPACT.anPairToFlip[nPair], COMPACT.anPairLinePartners[nPair])) {
            return false;
        }
    }
    return true;
}

// The children of board for side index nMover: ForEachMove's moves, a move that closes a
// mill replaced by one child per capturable opposing stone in point order (by none when
// there is none), each handed to visit until visit returns false. Returns whether any child
// was visited.
template <int nMover, class Visit>
__attribute__((always_inline)) inline bool ForEachChild(const CompactBoard& board, Visit&& visit) {
    constexpr int nOpp = 1 - nMover;
    bool bAny = false;
    CaptureCandidates<nMover> capturable(board);
    ForEachMove<nMover>(
        board, [&](auto, std::uint32_t nStonesFlip, std::uint64_t nFromFlip,
                   std::uint64_t nToEmptyFlip, const std::array<std::uint32_t, 2>& anPartners)
                   __attribute__((always_inline))
                       ->bool {
                           CompactBoard child = board;
                           child.anStones[nMover] ^= nStonesFlip;
                           child.anFrom[nMover] ^= nFromFlip;
                           child.nToEmpty ^= nToEmptyFlip;
                           if (child.anHand[nMover] > 0) {
                               --child.anHand[nMover];
                           }
                           if (!HoldsLine(child.anStones[nMover], anPartners)) {
                               bAny = true;
                               return visit(child);
                           }
                           --child.anTotal[nOpp];
                           const std::uint32_t nOppStones = child.anStones[nOpp];
                           const std::uint64_t nOppFrom = child.anFrom[nOpp];
                           const std::uint64_t nToEmpty = child.nToEmpty;
                           for (std::uint32_t nLeft = capturable.Get(); nLeft != 0;
                                nLeft &= nLeft - 1) {
                               const unsigned nTaken = LowestPoint(nLeft);
                               child.anStones[nOpp] = nOppStones & ~(1u << nTaken);
                               child.anFrom[nOpp] = nOppFrom & ~COMPACT.anPairsFrom[nTaken];
                               child.nToEmpty = nToEmpty | COMPACT.anPairsTo[nTaken];
                               bAny = true;
                               if (!visit(child)) {
                                   return false;
                               }
                           }
                           return true;
                       });
    return bAny;
}

}  // namespace
