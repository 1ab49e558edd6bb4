// The body of the search on the compact board. Included by exactly two sources, one built
// for the baseline instruction set and one that may use the population-count instruction;
// everything here has internal linkage, so neither build's code can stand in for the other's.
//
// It generates and scores with compact_moves.h and compact_evaluate.h, which SearchNode and
// Evaluate run too; the leaves are scored in a specialised loop of its own that takes its
// rules and weights from them.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

#include "compact_board.h"
#include "compact_evaluate.h"
#include "compact_moves.h"
#include "node_pump.h"
#include "search.h"

namespace {

// A running node: counted, a look at the queue when the countdown runs out, and its score.
template <int nMe>
inline int CountAndEvaluate(const CompactBoard& board) {
    const std::int64_t nNode = g_nNodeCount++;
    if (--g_nPumpCountdown == 0) {
        ServeMessagesAtNode(nNode);
    }
    return EvaluateCompact<nMe>(board);
}

// The node count, the pump countdown and the two flags for the leaves below one node, held
// in registers: nothing but the look at the queue reads or changes the globals while the
// leaves are scored, so they are written back just before a look and at the end, and the
// flags are read again after a look, where the think timer or the window may change them.
class LeafCounter {
public:
    LeafCounter()
        : m_nNode(g_nNodeCount),
          m_nCountdown(g_nPumpCountdown),
          m_bRunning(g_bSearchRunning),
          m_bRandom(g_bRandomMoves) {}
    ~LeafCounter() {
        g_nNodeCount = m_nNode;
        g_nPumpCountdown = m_nCountdown;
    }
    LeafCounter(const LeafCounter&) = delete;
    LeafCounter& operator=(const LeafCounter&) = delete;

    // Whether the search goes on; a stopped search scores its leaves 0 without counting.
    bool Running() const { return m_bRunning != 0; }
    int Random() const { return m_bRandom; }

    // Counts one leaf, with a look at the queue when the countdown runs out.
    void Count() {
        const std::int64_t nNode = m_nNode++;
        if (--m_nCountdown == 0) {
            g_nNodeCount = m_nNode;
            g_nPumpCountdown = 0;
            ServeMessagesAtNode(nNode);
            m_nCountdown = g_nPumpCountdown;
            m_bRunning = g_bSearchRunning;
            m_bRandom = g_bRandomMoves;
        }
    }

private:
    std::int64_t m_nNode;
    std::int32_t m_nCountdown;
    int m_bRunning;
    int m_bRandom;
};

// The children of board for side index nMover, scored as leaves for side index nMe and each
// handed to narrow, in ForEachChild's order, until narrow returns false. Returns whether
// any child was visited. No child board is built: a child is scored from its slide masks,
// which differ from board's by exclusive ors with table entries for the move and, after a
// capture, by the taken stone's entries.
template <int nMe, int nMover, class Narrow>
__attribute__((always_inline)) inline bool ScoreLeaves(const CompactBoard& board, Narrow&& narrow) {
    constexpr int nOther = 1 - nMover;
    const std::uint32_t nStones = board.anStones[nMover];
    const std::uint64_t nFrom = board.anFrom[nMover];
    const std::uint64_t nToEmpty = board.nToEmpty;
    LeafCounter counter;
    const PlainChildScore<nMe, nMover> plain(board);
    bool bAny = false;
    CaptureCandidates<nMover> capturable(board);

    // Scores the child that flips these bits, a move to the point whose line partners are
    // anPartners, or when it closes a mill there the children of its captures. bSlide is a
    // std::bool_constant: whether the move is a slide.
    auto leaf = [&](auto bSlide, std::uint32_t nStonesFlip, std::uint64_t nFromFlip,
                    std::uint64_t nToEmptyFlip, const std::array<std::uint32_t, 2>& anPartners)
                    __attribute__((always_inline))
                        ->bool {
        const std::uint32_t nChildStones = nStones ^ nStonesFlip;
        const std::uint64_t nChildFrom = nFrom ^ nFromFlip;
        const std::uint64_t nChildToEmpty = nToEmpty ^ nToEmptyFlip;
        if (!HoldsLine(nChildStones, anPartners)) [[likely]] {
            bAny = true;
            if (!counter.Running()) {
                return narrow(0);
            }
            counter.Count();
            return narrow(plain.template Score<decltype(bSlide)::value>(nChildFrom, nChildToEmpty,
                                                                        counter.Random()));
        }
        // The counts after a capture: a placement used a stone in hand, the other side
        // lost one.
        std::int32_t anTotal[2] = {board.anTotal[0], board.anTotal[1]};
        std::int32_t anHand[2] = {board.anHand[0], board.anHand[1]};
        --anTotal[nOther];
        if (anHand[nMover] > 0) {
            --anHand[nMover];
        }
        for (std::uint32_t nLeft = capturable.Get(); nLeft != 0; nLeft &= nLeft - 1) {
            const unsigned nTaken = LowestPoint(nLeft);
            bAny = true;
            int nValue = 0;
            if (counter.Running()) {
                counter.Count();
                const std::uint64_t nFromOther =
                    board.anFrom[nOther] & ~COMPACT.anPairsFrom[nTaken];
                const std::uint64_t nEmptyAfter = nChildToEmpty | COMPACT.anPairsTo[nTaken];
                nValue = nMover == nMe ? EvaluateParts<nMe>(anTotal, anHand, nChildFrom, nFromOther,
                                                            nEmptyAfter, counter.Random())
                                       : EvaluateParts<nMe>(anTotal, anHand, nFromOther, nChildFrom,
                                                            nEmptyAfter, counter.Random());
            }
            if (!narrow(nValue)) {
                return false;
            }
        }
        return true;
    };

    ForEachMove<nMover>(board, leaf);
    return bAny;
}

// One search node: counts itself, offers the message queue a look when the countdown runs
// out, and scores or expands the board exactly as AlphaBeta does.
// The side indices are template arguments, so that every index into the board is a
// constant and a child can live in registers; bAboveHorizon (nDepth is 1) gives the nodes
// that score their children as leaves a function of their own, free of the recursion's
// registers and stack.
template <int nMe, bool bMaximising, bool bAboveHorizon>
__attribute__((noinline)) int SearchCompactNode(const CompactBoard& board, int nDepth, int nAlpha,
                                                int nBeta);

// SearchCompactNode for any depth.
template <int nMe, bool bMaximising>
inline int SearchCompact(const CompactBoard& board, int nDepth, int nAlpha, int nBeta) {
    return nDepth == 1 ? SearchCompactNode<nMe, bMaximising, true>(board, 1, nAlpha, nBeta)
                       : SearchCompactNode<nMe, bMaximising, false>(board, nDepth, nAlpha, nBeta);
}

template <int nMe, bool bMaximising, bool bAboveHorizon>
int SearchCompactNode(const CompactBoard& board, int nDepth, int nAlpha, int nBeta) {
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
    bool bAny = false;
    if constexpr (bAboveHorizon) {
        // The children are leaves, scored in this node's own loop where a child never
        // leaves the registers: the counts in a LeafCounter, and a child without a capture
        // scored from its slide masks alone.
        bAny = ScoreLeaves<nMe, nMover>(board, narrow);
    } else {
        bAny = ForEachChild<nMover>(
            board, [&](const CompactBoard& child) __attribute__((always_inline)) {
                return narrow(SearchCompact<nMe, !bMaximising>(child, nDepth - 1, nAlpha, nBeta));
            });
    }
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
