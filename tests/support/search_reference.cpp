#include "search_reference.h"

#include <vector>

#include "crt_random.h"
#include "fast_search.h"
#include "fast_search_impl.h"
#include "position_checks.h"
#include "search_node.h"
#include "search_scope.h"
#include "turn_check.h"

namespace {

bool SameBoard(const CompactBoard& a, const CompactBoard& b) {
    return a.anStones[0] == b.anStones[0] && a.anStones[1] == b.anStones[1] &&
           a.anFrom[0] == b.anFrom[0] && a.anFrom[1] == b.anFrom[1] && a.nToEmpty == b.nToEmpty &&
           a.anHand[0] == b.anHand[0] && a.anHand[1] == b.anHand[1] &&
           a.anTotal[0] == b.anTotal[0] && a.anTotal[1] == b.anTotal[1];
}

template <int nMover>
std::vector<CompactBoard> CompactChildren(const CompactBoard& board) {
    std::vector<CompactBoard> children;
    ForEachChild<nMover>(board, [&](const CompactBoard& child) {
        children.push_back(child);
        return true;
    });
    return children;
}

std::string CompareChildren(const Position& pos, int nSide) {
    const CompactBoard board = ToCompactBoard(pos);
    const std::vector<CompactBoard> fast =
        nSide == PLAYER_WHITE ? CompactChildren<1>(board) : CompactChildren<0>(board);
    const std::vector<Position> expected = ExpectedChildren(pos, nSide);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i >= fast.size() || !SameBoard(fast[i], ToCompactBoard(expected[i]))) {
            return "child " + std::to_string(i) + " differs";
        }
    }
    return expected.size() == fast.size() ? "" : "more compact children than expected";
}

std::string CompareEvaluate(const Position& pos) {
    const CompactBoard board = ToCompactBoard(pos);
    for (int nPlayer : {PLAYER_BLACK, PLAYER_WHITE}) {
        CrtSrand(7);
        const int nExpected = ReferenceEvaluate(pos, nPlayer);
        const int nExpectedNext = CrtRand();
        CrtSrand(7);
        const int nScore =
            nPlayer == PLAYER_WHITE ? EvaluateCompact<1>(board) : EvaluateCompact<0>(board);
        if (nScore != nExpected || CrtRand() != nExpectedNext) {
            return "evaluation for " + std::to_string(nPlayer) + ": " + std::to_string(nScore) +
                   ", expected " + std::to_string(nExpected);
        }
    }
    return "";
}

using CompactSearch = int (*)(const CompactBoard&, int, int, int, int, int);

std::string CompareSearch(const Position& pos, int nSide, int nDepth, CompactSearch search,
                          const char* pszBuild) {
    const int anWindows[2][2] = {{-SEARCH_INFINITY, SEARCH_INFINITY}, {-1500, 1500}};
    for (int bMaximising : {1, 0}) {
        for (const auto& window : anWindows) {
            std::int64_t nNodes = 0;
            CrtSrand(11);
            const int nExpected =
                ReferenceAlphaBeta(pos, nDepth, bMaximising, window[0], window[1], nSide, nNodes);
            const int nExpectedNext = CrtRand();
            CrtSrand(11);
            g_bSearchRunning = 1;
            g_nNodeCount = 0;
            const int nScore =
                search(ToCompactBoard(pos), nDepth, bMaximising, window[0], window[1], nSide);
            if (nScore != nExpected || g_nNodeCount != nNodes || CrtRand() != nExpectedNext) {
                return std::string(pszBuild) + " search, depth " + std::to_string(nDepth) +
                       ": score " + std::to_string(nScore) + " nodes " +
                       std::to_string(g_nNodeCount) + ", expected " + std::to_string(nExpected) +
                       " and " + std::to_string(nNodes);
            }
        }
    }
    return "";
}

}  // namespace

int ReferenceEvaluate(const Position& pos, int nPlayer) {
    const int nOpponent = Opponent(nPlayer);
    const int nStonesMe = StonesOnBoard(pos, nPlayer) + pos.Hand(nPlayer);
    const int nStonesOpp = StonesOnBoard(pos, nOpponent) + pos.Hand(nOpponent);
    if (nStonesOpp < 3) {
        return WIN_SCORE;
    }
    if (nStonesMe < 3) {
        return LOSS_SCORE;
    }
    int nMobilityMe = 0;
    if (nStonesMe >= 4) {
        nMobilityMe = SlideCount(pos, nPlayer);
        if (nMobilityMe == 0 && pos.Hand(nPlayer) == 0) {
            return LOSS_SCORE;
        }
    }
    int nMobilityOpp = 0;
    if (nStonesOpp >= 4) {
        nMobilityOpp = SlideCount(pos, nOpponent);
        if (nMobilityOpp == 0 && pos.Hand(nOpponent) == 0) {
            return WIN_SCORE;
        }
    }
    const int nRandom = g_bRandomMoves ? CrtRand() * RANDOM_SPAN / CRT_RAND_MAX : 0;
    return nRandom + STONE_WEIGHT * (nStonesMe - nStonesOpp) +
           MOBILITY_WEIGHT * (nMobilityMe - nMobilityOpp);
}

int ReferenceAlphaBeta(const Position& pos, int nDepth, int bMaximising, int nAlpha, int nBeta,
                       int nSearchSide, std::int64_t& nNodes) {
    ++nNodes;
    const int nScore = ReferenceEvaluate(pos, nSearchSide);
    if (nDepth == 0) {
        return nScore;
    }
    if (nScore >= WIN_SCORE) {
        return nScore + DEPTH_BONUS * nDepth;
    }
    if (nScore <= LOSS_SCORE) {
        return nScore - DEPTH_BONUS * nDepth;
    }
    bool bAny = false;
    ForEachExpectedChild(
        pos, bMaximising ? nSearchSide : Opponent(nSearchSide), [&](const Position& child) {
            bAny = true;
            const int nValue = ReferenceAlphaBeta(child, nDepth - 1, !bMaximising, nAlpha, nBeta,
                                                  nSearchSide, nNodes);
            if (bMaximising && nValue > nAlpha) {
                nAlpha = nValue;
            } else if (!bMaximising && nValue < nBeta) {
                nBeta = nValue;
            }
            return nAlpha < nBeta;
        });
    if (!bAny) {
        return bMaximising ? LOSS_SCORE - DEPTH_BONUS * nDepth : WIN_SCORE + DEPTH_BONUS * nDepth;
    }
    return bMaximising ? nAlpha : nBeta;
}

std::string CompareWithReference(const Position& pos, int nSide, int nDepth) {
    std::string strFault = CompareEvaluate(pos);
    for (int nPlayer : {PLAYER_BLACK, PLAYER_WHITE}) {
        if (strFault.empty()) {
            strFault = CompareChildren(pos, nPlayer);
        }
    }
    for (int bRandom : {0, 1}) {
        CSearchScope scope(nullptr, bRandom);
        if (strFault.empty()) {
            strFault = CompareSearch(pos, nSide, nDepth, AlphaBetaCompactBaseline, "baseline");
        }
        if (strFault.empty() && CpuHasPopcnt()) {
            strFault = CompareSearch(pos, nSide, nDepth, AlphaBetaCompactPopcnt, "popcnt");
        }
    }
    return strFault;
}

std::vector<Position> AllChildren(const Position& pos, int nSide) {
    std::vector<Position> children;
    SearchNode node;
    Position posChild;
    node.InitMoves(pos, nSide);
    while (node.NextMove()) {
        children.push_back(node.MakeChild(posChild));
    }
    return children;
}
