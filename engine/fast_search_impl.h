// The body of the search on the compact board. Included by exactly two sources, one built
// for the baseline instruction set and one that may use the population-count instruction;
// everything here has internal linkage, so neither build's code can stand in for the other's.
//
// It computes exactly what the search over Position records, SearchNode and Evaluate
// computes: the same children in the same order, the same scores, the same node count, the
// same looks at the message queue and the same calls of the random generator.
#pragma once

#include <cstdint>

#include "compact_board.h"
#include "crt_random.h"
#include "evaluate.h"
#include "node_pump.h"
#include "search.h"

namespace {

inline int PopCount(std::uint64_t nBits) {
#if defined(__POPCNT__)
    return __builtin_popcountll(nBits);
#else
    nBits = nBits - ((nBits >> 1) & 0x5555'5555'5555'5555ULL);
    nBits = (nBits & 0x3333'3333'3333'3333ULL) + ((nBits >> 2) & 0x3333'3333'3333'3333ULL);
    nBits = (nBits + (nBits >> 4)) & 0x0F0F'0F0F'0F0F'0F0FULL;
    return static_cast<int>((nBits * 0x0101'0101'0101'0101ULL) >> 56);
#endif
}

// The number of the lowest set bit; the mask must not be 0.
inline unsigned LowestPoint(std::uint32_t nPoints) {
    return static_cast<unsigned>(__builtin_ctz(nPoints));
}
inline unsigned LowestPair(std::uint64_t nPairs) {
    return static_cast<unsigned>(__builtin_ctzll(nPairs));
}

// Evaluate on the compact board for side index nMe, test for test in the same order, with
// the random number drawn at the same point.
template <int nMe>
inline int EvaluateCompact(const CompactBoard& board) {
    constexpr int nOpp = 1 - nMe;
    const int nStonesMe = board.anTotal[nMe];
    const int nStonesOpp = board.anTotal[nOpp];
    if (nStonesOpp < 3) {
        return WIN_SCORE;
    }
    if (nStonesMe < 3) {
        return LOSS_SCORE;
    }
    int nMobilityMe = 0;
    if (nStonesMe >= 4) {
        nMobilityMe = PopCount(board.anFrom[nMe] & board.nToEmpty);
        if (nMobilityMe == 0 && board.anHand[nMe] == 0) {
            return LOSS_SCORE;
        }
    }
    int nMobilityOpp = 0;
    if (nStonesOpp >= 4) {
        nMobilityOpp = PopCount(board.anFrom[nOpp] & board.nToEmpty);
        if (nMobilityOpp == 0 && board.anHand[nOpp] == 0) {
            return WIN_SCORE;
        }
    }
    int nRandom = 0;
    if (g_bRandomMoves) {
        nRandom = CrtRand() * 10 / CRT_RAND_MAX;
    }
    return nRandom + 10 * (100 * (nStonesMe - nStonesOpp) + nMobilityMe - nMobilityOpp);
}

// The opposing stones that stand in no mill: the capture candidates of every mill move of
// the side to move, since none of its moves changes the opponent's stones.
inline std::uint32_t Capturable(std::uint32_t nOpponent) {
    std::uint32_t nInMill = 0;
    for (std::uint32_t nLine : COMPACT.anLines) {
        nInMill |= (nOpponent & nLine) == nLine ? nLine : 0;
    }
    return nOpponent & ~nInMill;
}

// 1 when nOwn, the mover's stones after its move, holds a mill through point nTo.
inline bool ClosesMill(std::uint32_t nOwn, unsigned nTo) {
    const std::uint32_t nColumn = COMPACT.anLinePartners[nTo][0];
    const std::uint32_t nRow = COMPACT.anLinePartners[nTo][1];
    return (nOwn & nColumn) == nColumn || (nOwn & nRow) == nRow;
}

// The children of board for side index nMover in the generator's order, each handed to
// visit, until visit returns false. Returns whether any child was visited.
//   - a side with stones in hand places them on the empty points;
//   - else a side of exactly three stones jumps, sources then targets in point order;
//   - else it slides, in pair order;
//   - a move that closes a mill is replaced by one child per capturable opposing stone.
template <int nMover, class Visit>
__attribute__((always_inline)) inline bool ForEachChild(const CompactBoard& board, Visit&& visit) {
    constexpr int nOpp = 1 - nMover;
    bool bAny = false;
    bool bCapturableKnown = false;
    std::uint32_t nCapturable = 0;

    // Hands the move's child to visit, or its captures when it closes a mill at nTo.
    auto emit = [&](CompactBoard & child, unsigned nTo) __attribute__((always_inline))->bool {
        if (!ClosesMill(child.anStones[nMover], nTo)) {
            bAny = true;
            return visit(child);
        }
        if (!bCapturableKnown) {
            nCapturable = Capturable(board.anStones[nOpp]);
            bCapturableKnown = true;
        }
        --child.anTotal[nOpp];
        const std::uint32_t nOppStones = child.anStones[nOpp];
        const std::uint64_t nOppFrom = child.anFrom[nOpp];
        const std::uint64_t nToEmpty = child.nToEmpty;
        for (std::uint32_t nLeft = nCapturable; nLeft != 0; nLeft &= nLeft - 1) {
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
    };

    const std::uint32_t nEmpty = ALL_POINTS & ~(board.anStones[0] | board.anStones[1]);
    if (board.anHand[nMover] > 0) {
        for (std::uint32_t nLeft = nEmpty; nLeft != 0; nLeft &= nLeft - 1) {
            const unsigned nTo = LowestPoint(nLeft);
            CompactBoard child = board;
            child.anStones[nMover] |= 1u << nTo;
            child.anFrom[nMover] |= COMPACT.anPairsFrom[nTo];
            child.nToEmpty &= ~COMPACT.anPairsTo[nTo];
            --child.anHand[nMover];
            if (!emit(child, nTo)) {
                return true;
            }
        }
        return bAny;
    }
    auto move = [&](unsigned nFrom, unsigned nTo) __attribute__((always_inline))->bool {
        CompactBoard child = board;
        child.anStones[nMover] ^= (1u << nFrom) | (1u << nTo);
        child.anFrom[nMover] =
            (child.anFrom[nMover] & ~COMPACT.anPairsFrom[nFrom]) | COMPACT.anPairsFrom[nTo];
        child.nToEmpty = (child.nToEmpty & ~COMPACT.anPairsTo[nTo]) | COMPACT.anPairsTo[nFrom];
        return emit(child, nTo);
    };
    if (board.anTotal[nMover] == 3) {
        for (std::uint32_t nSources = board.anStones[nMover]; nSources != 0;
             nSources &= nSources - 1) {
            const unsigned nFrom = LowestPoint(nSources);
            for (std::uint32_t nTargets = nEmpty; nTargets != 0; nTargets &= nTargets - 1) {
                if (!move(nFrom, LowestPoint(nTargets))) {
                    return true;
                }
            }
        }
        return bAny;
    }
    for (std::uint64_t nPairs = board.anFrom[nMover] & board.nToEmpty; nPairs != 0;
         nPairs &= nPairs - 1) {
        const unsigned nPair = LowestPair(nPairs);
        if (!move(COMPACT.anPairFrom[nPair], COMPACT.anPairTo[nPair])) {
            return true;
        }
    }
    return bAny;
}

// A running node: counted, a look at the queue when the countdown runs out, and its score.
template <int nMe>
inline int CountAndEvaluate(const CompactBoard& board) {
    const std::int64_t nNode = g_nNodeCount++;
    if (--g_nPumpCountdown == 0) {
        ServeMessagesAtNode(nNode);
    }
    return EvaluateCompact<nMe>(board);
}

// A node at the horizon; a stopped search unwinds at once.
template <int nMe>
inline int LeafCompact(const CompactBoard& board) {
    return g_bSearchRunning ? CountAndEvaluate<nMe>(board) : 0;
}

// One search node: counts itself, offers the message queue a look when the countdown runs
// out, and scores or expands the board exactly as AlphaBeta does.
// The side indices are template arguments, so that every index into the board is a
// constant and a child can live in registers.
template <int nMe, bool bMaximising>
int SearchCompact(const CompactBoard& board, int nDepth, int nAlpha, int nBeta) {
    if (!g_bSearchRunning) {
        return 0;
    }
    const int nScore = CountAndEvaluate<nMe>(board);
    if (nDepth == 0) {
        return nScore;
    }
    if (nScore >= WIN_SCORE) {
        return nScore + DEPTH_BONUS * nDepth;
    }
    if (nScore <= LOSS_SCORE) {
        return nScore - DEPTH_BONUS * nDepth;
    }
    constexpr int nMover = bMaximising ? nMe : 1 - nMe;
    // Each child's value narrows the window; false ends the loop at a cut-off.
    auto narrow = [&](int nValue) __attribute__((always_inline)) {
        if (bMaximising) {
            nAlpha = nValue > nAlpha ? nValue : nAlpha;
            return nAlpha < nBeta;
        }
        nBeta = nValue < nBeta ? nValue : nBeta;
        return nBeta > nAlpha;
    };
    // A node one ply above the horizon scores its children in its own loop, where a child
    // never leaves the registers.
    const bool bAny =
        nDepth == 1 ? ForEachChild<nMover>(
                          board, [&](const CompactBoard& child) __attribute__((
                                     always_inline)) { return narrow(LeafCompact<nMe>(child)); })
                    : ForEachChild<nMover>(
                          board, [&](const CompactBoard& child) __attribute__((always_inline)) {
                              return narrow(SearchCompact<nMe, !bMaximising>(child, nDepth - 1,
                                                                             nAlpha, nBeta));
                          });
    if (!bAny) {
        return bMaximising ? LOSS_SCORE - DEPTH_BONUS * nDepth : WIN_SCORE + DEPTH_BONUS * nDepth;
    }
    return bMaximising ? nAlpha : nBeta;
}

// AlphaBeta's entry: nSearchSide is the player, PLAYER_BLACK or PLAYER_WHITE.
[[maybe_unused]] int SearchCompactEntry(const CompactBoard& board, int nDepth, int bMaximising,
                                        int nAlpha, int nBeta, int nSearchSide) {
    if (nSearchSide == PLAYER_WHITE) {
        return bMaximising ? SearchCompact<1, true>(board, nDepth, nAlpha, nBeta)
                           : SearchCompact<1, false>(board, nDepth, nAlpha, nBeta);
    }
    return bMaximising ? SearchCompact<0, true>(board, nDepth, nAlpha, nBeta)
                       : SearchCompact<0, false>(board, nDepth, nAlpha, nBeta);
}

}  // namespace
