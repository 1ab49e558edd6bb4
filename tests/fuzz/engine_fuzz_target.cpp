// Fuzzing target of the engine: bytes become a position and a side to move, any position
// at all, also ones no game reaches (up to 24 stones of a colour, hands 0..9 whatever is on
// the board). For it the move generator, the stone and mobility counts, the evaluation and
// a bounded search must keep their contracts, and the search's compact board must match the
// generator, the evaluation and a plain search.
//
// Input: bytes 0..23 the 24 points in reading order (value % 3: empty, black, white),
// bytes 24 and 25 white's and black's stones in hand (% 10), byte 26 bit 0 the side to move
// (1 white), bit 1 the random term of the evaluation. Missing bytes read as 0.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "board_points.h"
#include "evaluate.h"
#include "fuzz_bytes.h"
#include "fuzz_check.h"
#include "message_pump.h"
#include "perft.h"
#include "position_checks.h"
#include "position_text.h"
#include "search.h"
#include "search_node.h"
#include "search_reference.h"
#include "search_scope.h"
#include "turn_check.h"

namespace {

// More children than any position has: 24 placements or 96 slides or 63 jumps, each mill
// move replaced by at most 24 captures. A generator past it is looping.
constexpr std::size_t MAX_CHILDREN = 4096;

// The search is stopped after this iteration, or after this many nodes, whichever is first.
constexpr int SEARCH_DEPTH = 3;
constexpr int SEARCH_NODE_CAP = 4000;

// The position in the engine command's text form, quoted. Appended piece by piece: one
// concatenation chain trips a false -Wrestrict of g++ 12.
std::string Describe(const Position& pos, int nSide) {
    std::string strText = "\"";
    strText += FormatPositionText(pos, nSide);
    strText += '"';
    return strText;
}

// The think timer of a bounded search: its one message waits once the node cap is reached
// and, dispatched, stops the search.
class CNodeCapPump final : public CMessagePump {
public:
    int PeekMessage() override { return !m_bFired && g_nNodeCount >= SEARCH_NODE_CAP ? 1 : 0; }
    int PumpMessage() override {
        m_bFired = true;
        g_bSearchRunning = 0;
        return 1;
    }
    void PostQuitMessage(int) override {}

private:
    bool m_bFired = false;
};

// Checks that every iteration's best move is one of the generator's children (or the
// position itself when there is none).
class CDepthLimit final : public CSearchObserver {
public:
    CDepthLimit(const Position& pos, int nSide, const std::vector<Position>& children)
        : m_pos(pos), m_nSide(nSide), m_children(children) {}

    void OnIterationDone(int nDepth, int nBestScore, const Position& posBest) override {
        FUZZ_CHECK(nDepth == m_nLastDepth + 1, "iteration " + std::to_string(nDepth) + " after " +
                                                   std::to_string(m_nLastDepth));
        m_nLastDepth = nDepth;
        FUZZ_CHECK(IsChildOrSelf(posBest), "iteration " + std::to_string(nDepth) + " chose " +
                                               Describe(posBest, m_nSide) + ", no child of " +
                                               Describe(m_pos, m_nSide));
        FUZZ_CHECK(nBestScore == -SEARCH_INFINITY ||
                       (nBestScore >= LOSS_SCORE - DEPTH_BONUS * SEARCH_DEPTH &&
                        nBestScore <= WIN_SCORE + DEPTH_BONUS * SEARCH_DEPTH),
                   "iteration score " + std::to_string(nBestScore) + " out of range");
    }

    bool IsChildOrSelf(const Position& pos) const {
        if (pos == m_pos) {
            return true;
        }
        for (const Position& child : m_children) {
            if (child == pos) {
                return true;
            }
        }
        return false;
    }

private:
    const Position& m_pos;
    int m_nSide;
    const std::vector<Position>& m_children;
    int m_nLastDepth = 0;
};

// 1. The generator's children, with the repeat and exhaustion rules of NextMove.
std::vector<Position> GenerateChildren(const Position& pos, int nSide) {
    std::vector<Position> children;
    SearchNode node;
    node.InitMoves(pos, nSide);
    for (;;) {
        if (!node.NextMove()) {
            FUZZ_CHECK(!node.NextMove(), "NextMove found a move after it had returned 0");
            return children;
        }
        SearchNode again = node;
        FUZZ_CHECK(again.NextMove(), "a second NextMove lost the pending move");
        Position posAgain;
        Position posChild;
        again.MakeChild(posAgain);
        node.MakeChild(posChild);
        FUZZ_CHECK(posAgain == posChild, "a second NextMove moved on to another move");
        children.push_back(posChild);
        FUZZ_CHECK(children.size() <= MAX_CHILDREN, "more than " + std::to_string(MAX_CHILDREN) +
                                                        " children of " + Describe(pos, nSide));
    }
}

// 2. Every child is one turn of the side; together they are exactly the expected children
// in generation order; hands only fall.
void CheckChildren(const Position& pos, int nSide, const std::vector<Position>& children) {
    for (std::size_t i = 0; i < children.size(); ++i) {
        TurnChange change;
        const std::string strFault = ReadTurn(pos, children[i], nSide, change);
        FUZZ_CHECK(strFault.empty(), "child " + std::to_string(i) + " " +
                                         Describe(children[i], Opponent(nSide)) + " of " +
                                         Describe(pos, nSide) + ": " + strFault);
    }
    const std::vector<Position> expected = ExpectedChildren(pos, nSide);
    FUZZ_CHECK(children.size() == expected.size(),
               std::to_string(children.size()) + " children of " + Describe(pos, nSide) +
                   ", expected " + std::to_string(expected.size()));
    for (std::size_t i = 0; i < children.size(); ++i) {
        FUZZ_CHECK(children[i] == expected[i],
                   "child " + std::to_string(i) + " of " + Describe(pos, nSide) + " is " +
                       Describe(children[i], Opponent(nSide)) + ", expected " +
                       Describe(expected[i], Opponent(nSide)));
    }
    FUZZ_CHECK(Perft(pos, nSide, 1) == children.size(), "perft 1 differs from the children");
}

// 3. The counts of the rules against plain loops over the points, and for a side that
// slides the mobility against its children: each slide is a child without a capture, or a
// mill move with k >= 1 capture children, or a mill move with nothing to take (no child).
void CheckCounts(const Position& pos, int nSide, const std::vector<Position>& children) {
    for (int nPlayer : {PLAYER_WHITE, PLAYER_BLACK}) {
        FUZZ_CHECK(pos.CountStones(nPlayer) == StonesOnBoard(pos, nPlayer) + pos.Hand(nPlayer),
                   "CountStones of " + std::to_string(nPlayer) + " in " + Describe(pos, nSide));
        int nSlides = 0;
        for (int nCell : BOARD_POINTS) {
            if (pos.m_anData[nCell] != nPlayer) {
                continue;
            }
            for (int nDirection = DIRECTION_LEFT; nDirection <= DIRECTION_UP; ++nDirection) {
                const int nTo = SlideTarget(nCell, nDirection);
                nSlides += nTo >= 0 && pos.m_anData[nTo] == CELL_EMPTY ? 1 : 0;
            }
        }
        FUZZ_CHECK(pos.CountMobility(nPlayer) == nSlides,
                   "CountMobility of " + std::to_string(nPlayer) + " is " +
                       std::to_string(pos.CountMobility(nPlayer)) + ", slides " +
                       std::to_string(nSlides) + " in " + Describe(pos, nSide));
    }
    if (TurnKind(pos, nSide) != MOVE_SLIDE) {
        return;
    }
    int nPlain = 0;
    int nMillMoves = 0;
    TurnChange previous;
    for (const Position& child : children) {
        TurnChange change;
        ReadTurn(pos, child, nSide, change);
        if (change.nCaptured < 0) {
            ++nPlain;
        } else if (change.nFrom != previous.nFrom || change.nTo != previous.nTo ||
                   previous.nCaptured < 0) {
            ++nMillMoves;  // the captures of one mill move come one after another
        }
        previous = change;
    }
    const int nBare = BareMillSlides(pos, nSide);
    FUZZ_CHECK(pos.CountMobility(nSide) == nPlain + nMillMoves + nBare,
               "mobility " + std::to_string(pos.CountMobility(nSide)) + " but " +
                   std::to_string(nPlain) + " plain slides, " + std::to_string(nMillMoves) +
                   " mill slides with captures, " + std::to_string(nBare) + " without, in " +
                   Describe(pos, nSide));
}

// 4. Scores stay within the decided bounds, and a side below three stones decides the game.
void CheckEvaluate(const Position& pos) {
    for (int nPlayer : {PLAYER_WHITE, PLAYER_BLACK}) {
        const int nScore = Evaluate(pos, nPlayer);
        FUZZ_CHECK(nScore >= LOSS_SCORE && nScore <= WIN_SCORE,
                   "Evaluate " + std::to_string(nScore) + " for " + std::to_string(nPlayer) +
                       " in " + Describe(pos, nPlayer));
        if (pos.CountStones(Opponent(nPlayer)) < 3) {
            FUZZ_CHECK(nScore == WIN_SCORE,
                       "opponent below three stones but no win in " + Describe(pos, nPlayer));
        } else if (pos.CountStones(nPlayer) < 3) {
            FUZZ_CHECK(nScore == LOSS_SCORE,
                       "side below three stones but no loss in " + Describe(pos, nPlayer));
        }
    }
}

// 5. A search bounded by depth and nodes ends, and plays a child or nothing.
void CheckSearch(const Position& pos, int nSide, const std::vector<Position>& children) {
    CNodeCapPump pump;
    CSearchScope scope(&pump, CSearchScope::KEEP_RANDOM);
    CDepthLimit limit(pos, nSide, children);
    Position posPlayed = pos;
    const int bMoved = scope.Search(posPlayed, nSide, SEARCH_DEPTH, &limit);

    FUZZ_CHECK(g_nNodeCount <= SEARCH_NODE_CAP + 1,
               std::to_string(g_nNodeCount) + " nodes past the cap in " + Describe(pos, nSide));
    FUZZ_CHECK(g_nSearchDepth <= SEARCH_DEPTH + 1,
               "search reached depth " + std::to_string(g_nSearchDepth));
    if (!bMoved) {
        FUZZ_CHECK(children.empty(), "FindBestMove found no move but there are " +
                                         std::to_string(children.size()) + " in " +
                                         Describe(pos, nSide));
        FUZZ_CHECK(posPlayed == pos, "FindBestMove returned 0 and changed the position");
        return;
    }
    FUZZ_CHECK(!children.empty(),
               "FindBestMove reported a move for a side without one in " + Describe(pos, nSide));
    FUZZ_CHECK(limit.IsChildOrSelf(posPlayed), "FindBestMove played " +
                                                   Describe(posPlayed, Opponent(nSide)) +
                                                   ", no child of " + Describe(pos, nSide));
}

// 6. The search's compact board gives the generator's children, Evaluate's scores and the
// plain search's scores, node counts and random numbers.
void CheckCompactSearch(const Position& pos, int nSide) {
    const std::string strFault = CompareWithReference(pos, nSide, 2);
    FUZZ_CHECK(strFault.empty(), strFault + " in " + Describe(pos, nSide));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    static const std::vector<int> READING_ORDER = ColumnMajorPoints();
    CFuzzBytes bytes(pData, nSize);

    Position pos;
    pos.ResetPosition();
    for (int nCell : READING_ORDER) {
        pos.m_anData[nCell] = bytes.Next() % 3;
    }
    pos.Hand(PLAYER_WHITE) = bytes.Next() % 10;
    pos.Hand(PLAYER_BLACK) = bytes.Next() % 10;
    const std::uint8_t nFlags = bytes.Next();
    const int nSide = (nFlags & 1) ? PLAYER_WHITE : PLAYER_BLACK;
    const CSearchScope scope(nullptr, (nFlags & 2) ? 1 : 0);

    const std::vector<Position> children = GenerateChildren(pos, nSide);
    CheckChildren(pos, nSide, children);
    CheckCounts(pos, nSide, children);
    CheckEvaluate(pos);
    for (const Position& child : children) {
        CheckEvaluate(child);
    }
    CheckSearch(pos, nSide, children);
    CheckCompactSearch(pos, nSide);
    return 0;
}
