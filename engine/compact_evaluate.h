// The evaluation on the compact board: the one implementation behind Evaluate and the
// search's scores. Internal linkage, as in compact_bits.h.
#pragma once

#include <cstdint>

#include "compact_bits.h"
#include "compact_board.h"
#include "crt_random.h"
#include "score_terms.h"

namespace {

// Whether a side of nTotal stones counts its mobility, and can therefore be blocked: a
// side of JUMP_STONES or fewer jumps anywhere.
constexpr bool MobilityCounts(int nTotal) {
    return nTotal > JUMP_STONES;
}

// The stone term of an undecided score, apart so that the scorer of many children with the
// same counts computes it once.
constexpr int StoneTerm(int nStoneDifference) {
    return STONE_WEIGHT * nStoneDifference;
}

// The score of an undecided game from its stone term and mobility difference; bRandom
// draws the random term.
inline int UndecidedScore(int nStoneTerm, int nMobilityDifference, int bRandom) {
    const int nRandom = bRandom ? CrtRand() * RANDOM_SPAN / CRT_RAND_MAX : 0;
    return nRandom + nStoneTerm + MOBILITY_WEIGHT * nMobilityDifference;
}

// Evaluate for side index nMe from a board's parts, with the tests in Evaluate's order;
// bRandom stands for g_bRandomMoves.
template <int nMe>
inline int EvaluateParts(const std::int32_t (&anTotal)[2], const std::int32_t (&anHand)[2],
                         std::uint64_t nFromMe, std::uint64_t nFromOpp, std::uint64_t nToEmpty,
                         int bRandom) {
    constexpr int nOpp = 1 - nMe;
    const int nStonesMe = anTotal[nMe];
    const int nStonesOpp = anTotal[nOpp];
    if (nStonesOpp < JUMP_STONES) {
        return WIN_SCORE;
    }
    if (nStonesMe < JUMP_STONES) {
        return LOSS_SCORE;
    }
    int nMobilityMe = 0;
    if (MobilityCounts(nStonesMe)) {
        nMobilityMe = PopCount(nFromMe & nToEmpty);
        if (nMobilityMe == 0 && anHand[nMe] == 0) {
            return LOSS_SCORE;
        }
    }
    int nMobilityOpp = 0;
    if (MobilityCounts(nStonesOpp)) {
        nMobilityOpp = PopCount(nFromOpp & nToEmpty);
        if (nMobilityOpp == 0 && anHand[nOpp] == 0) {
            return WIN_SCORE;
        }
    }
    return UndecidedScore(StoneTerm(nStonesMe - nStonesOpp), nMobilityMe - nMobilityOpp, bRandom);
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
// them. The node was not decided itself, so both sides have at least JUMP_STONES stones in
// every such child. nMe is the side scored for, nMover the side whose move made the
// children.
template <int nMe, int nMover>
class PlainChildScore {
public:
    explicit PlainChildScore(const CompactBoard& board)
        : m_nStoneTerm(StoneTerm(board.anTotal[nMe] - board.anTotal[1 - nMe])),
          m_nCountMover(MobilityCounts(board.anTotal[nMover]) ? ~std::uint64_t{0} : 0),
          m_nFromOther(MobilityCounts(board.anTotal[nOther]) ? board.anFrom[nOther] : 0),
          m_bStuckDecidesMover(MobilityCounts(board.anTotal[nMover]) &&
                               (board.anHand[nMover] == 0 || board.anHand[nMover] == 1)),
          m_bStuckDecidesOther(MobilityCounts(board.anTotal[nOther]) && board.anHand[nOther] == 0) {
    }

    // The score of the child with these masks, drawing the random number as Evaluate does.
    // bSlide: the child comes from a slide, so the mover has more than JUMP_STONES stones
    // and none in hand, and its mobility always counts.
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
        const int nMobilityMe = nMover == nMe ? nMobilityMover : nMobilityOther;
        const int nMobilityOpp = nMover == nMe ? nMobilityOther : nMobilityMover;
        return UndecidedScore(m_nStoneTerm, nMobilityMe - nMobilityOpp, bRandom);
    }

private:
    static constexpr int nOther = 1 - nMover;

    int m_nStoneTerm;             // the stone term of every child
    std::uint64_t m_nCountMover;  // all ones when the mover's mobility counts, else 0
    std::uint64_t m_nFromOther;   // the other side's slide sources, 0 when they don't count
    bool m_bStuckDecidesMover;    // no mobility decides: it counts, and after the move
    bool m_bStuckDecidesOther;    // the side has no stone in hand
};

}  // namespace
