// The body of the search on the compact board. Included by exactly two sources, one built
// for the baseline instruction set and one that may use the population-count instruction;
// everything here has internal linkage, so neither build's code can stand in for the other's.
//
// It computes exactly what the search over Position records, SearchNode and Evaluate
// computes: the same children in the same order, the same scores, the same node count, the
// same looks at the message queue and the same calls of the random generator.
#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

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

// Evaluate for side index nMe from a board's parts, test for test in the same order, with
// the random number drawn at the same point; bRandom stands for g_bRandomMoves.
template <int nMe>
inline int EvaluateParts(const std::int32_t (&anTotal)[2], const std::int32_t (&anHand)[2],
                         std::uint64_t nFromMe, std::uint64_t nFromOpp, std::uint64_t nToEmpty,
                         int bRandom) {
    constexpr int nOpp = 1 - nMe;
    const int nStonesMe = anTotal[nMe];
    const int nStonesOpp = anTotal[nOpp];
    if (nStonesOpp < 3) {
        return WIN_SCORE;
    }
    if (nStonesMe < 3) {
        return LOSS_SCORE;
    }
    int nMobilityMe = 0;
    if (nStonesMe >= 4) {
        nMobilityMe = PopCount(nFromMe & nToEmpty);
        if (nMobilityMe == 0 && anHand[nMe] == 0) {
            return LOSS_SCORE;
        }
    }
    int nMobilityOpp = 0;
    if (nStonesOpp >= 4) {
        nMobilityOpp = PopCount(nFromOpp & nToEmpty);
        if (nMobilityOpp == 0 && anHand[nOpp] == 0) {
            return WIN_SCORE;
        }
    }
    int nRandom = 0;
    if (bRandom) {
        nRandom = CrtRand() * 10 / CRT_RAND_MAX;
    }
    return nRandom + 10 * (100 * (nStonesMe - nStonesOpp) + nMobilityMe - nMobilityOpp);
}

// Evaluate on the compact board for side index nMe.
template <int nMe>
inline int EvaluateCompact(const CompactBoard& board, int bRandom) {
    return EvaluateParts<nMe>(board.anTotal, board.anHand, board.anFrom[nMe], board.anFrom[1 - nMe],
                              board.nToEmpty, bRandom);
}

// EvaluateCompact with the random term as g_bRandomMoves asks.
template <int nMe>
inline int EvaluateCompact(const CompactBoard& board) {
    return EvaluateCompact<nMe>(board, g_bRandomMoves);
}

// EvaluateCompact for the children of one node that capture nothing, which share the
// stone counts and hands: only the mover's slide masks and the empty targets differ from
// child to child, so the tests that depend on counts and hands are settled once for all of
// them. The node was not decided itself, so both sides have at least three stones in every
// such child. nMe is the side scored for, nMover the side whose move made the children.
template <int nMe, int nMover>
class PlainChildScore {
public:
    explicit PlainChildScore(const CompactBoard& board)
        : m_nBase(1000 * (board.anTotal[nMe] - board.anTotal[1 - nMe])),
          m_nCountMover(board.anTotal[nMover] >= 4 ? ~std::uint64_t{0} : 0),
          m_nFromOther(board.anTotal[nOther] >= 4 ? board.anFrom[nOther] : 0),
          m_bStuckDecidesMover(board.anTotal[nMover] >= 4 &&
                               (board.anHand[nMover] == 0 || board.anHand[nMover] == 1)),
          m_bStuckDecidesOther(board.anTotal[nOther] >= 4 && board.anHand[nOther] == 0) {}

    // The score of the child with these masks, drawing the random number as Evaluate does.
    // bSlide: the child comes from a slide, so the mover has four stones or more and none
    // in hand, and its mobility always counts.
    template <bool bSlide>
    int Score(std::uint64_t nFromMover, std::uint64_t nToEmpty, int bRandom) const {
        const int nMobilityMover =
            PopCount(nFromMover & nToEmpty & (bSlide ? ~std::uint64_t{0} : m_nCountMover));
        const bool bStuckMover = nMobilityMover == 0 && (bSlide || m_bStuckDecidesMover);
        const int nMobilityOther = PopCount(m_nFromOther & nToEmpty);
        const bool bStuckOther = nMobilityOther == 0 && m_bStuckDecidesOther;
        // Evaluate looks at nMe's mobility first.
        if (nMover == nMe ? bStuckMover : bStuckOther) {
            return LOSS_SCORE;
        }
        if (nMover == nMe ? bStuckOther : bStuckMover) {
            return WIN_SCORE;
        }
        const int nRandom = bRandom ? CrtRand() * 10 / CRT_RAND_MAX : 0;
        const int nMobilityMe = nMover == nMe ? nMobilityMover : nMobilityOther;
        const int nMobilityOpp = nMover == nMe ? nMobilityOther : nMobilityMover;
        return nRandom + m_nBase + 10 * (nMobilityMe - nMobilityOpp);
    }

private:
    static constexpr int nOther = 1 - nMover;

    int m_nBase;                  // 1000 times the difference of the stone counts
    std::uint64_t m_nCountMover;  // all ones when the mover's mobility counts, else 0
    std::uint64_t m_nFromOther;   // the other side's slide sources, 0 when they don't count
    bool m_bStuckDecidesMover;    // no mobility decides: it counts, and after the move
    bool m_bStuckDecidesOther;    // the side has no stone in hand
};

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

// 1 when nOwn, the mover's stones after its move, holds a mill through point nTo.
inline bool ClosesMill(std::uint32_t nOwn, unsigned nTo) {
    return HoldsLine(nOwn, COMPACT.anLinePartners[nTo]);
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
    bool bCapturableKnown = false;
    std::uint32_t nCapturable = 0;

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
        if (!bCapturableKnown) {
            nCapturable = Capturable(board.anStones[nOther]);
            bCapturableKnown = true;
        }
        // The counts after a capture: a placement used a stone in hand, the other side
        // lost one.
        std::int32_t anTotal[2] = {board.anTotal[0], board.anTotal[1]};
        std::int32_t anHand[2] = {board.anHand[0], board.anHand[1]};
        --anTotal[nOther];
        if (anHand[nMover] > 0) {
            --anHand[nMover];
        }
        for (std::uint32_t nLeft = nCapturable; nLeft != 0; nLeft &= nLeft - 1) {
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

    const std::uint32_t nEmpty = ALL_POINTS & ~(board.anStones[0] | board.anStones[1]);
    if (board.anHand[nMover] > 0) {
        for (std::uint32_t nLeft = nEmpty; nLeft != 0; nLeft &= nLeft - 1) {
            const unsigned nTo = LowestPoint(nLeft);
            if (!leaf(std::false_type{}, 1u << nTo, COMPACT.anPairsFrom[nTo],
                      COMPACT.anPairsTo[nTo], COMPACT.anLinePartners[nTo])) {
                return true;
            }
        }
        return bAny;
    }
    if (board.anTotal[nMover] == 3) {
        for (std::uint32_t nSources = nStones; nSources != 0; nSources &= nSources - 1) {
            const unsigned nSource = LowestPoint(nSources);
            for (std::uint32_t nTargets = nEmpty; nTargets != 0; nTargets &= nTargets - 1) {
                const unsigned nTo = LowestPoint(nTargets);
                if (!leaf(std::false_type{}, (1u << nSource) | (1u << nTo),
                          COMPACT.anPairsFrom[nSource] ^ COMPACT.anPairsFrom[nTo],
                          COMPACT.anPairsTo[nSource] ^ COMPACT.anPairsTo[nTo],
                          COMPACT.anLinePartners[nTo])) {
                    return true;
                }
            }
        }
        return bAny;
    }
    for (std::uint64_t nPairs = nFrom & nToEmpty; nPairs != 0; nPairs &= nPairs - 1) {
        const unsigned nPair = LowestPair(nPairs);
        if (!leaf(std::true_type{}, COMPACT.anPairPoints[nPair], COMPACT.anPairFromFlip[nPair],
                  COMPACT.anPairToFlip[nPair], COMPACT.anPairLinePartners[nPair])) {
            return true;
        }
    }
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
