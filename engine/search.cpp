#include "search.h"

#include <ctime>

#include "crt_random.h"
#include "message_pump.h"
#include "search_node.h"

int g_bSearchRunning = 1;
int g_nSearchDepth = 0;
std::int64_t g_nNodeCount = 0;

namespace {

// Lets the window's messages through; the think timer's callback runs in here. When the
// pump has taken the request to quit, the request is posted again so that the application's
// main loop still ends after the search returns, the search is stopped, and the loop ends:
// peeking again would find the request just posted.
void ServeMessages() {
    CMessagePump& pump = GetMessagePump();
    while (pump.PeekMessage()) {
        if (!pump.PumpMessage()) {
            pump.PostQuitMessage(0);
            g_bSearchRunning = 0;
            break;
        }
    }
}

}  // namespace

int AlphaBeta(const Position& pos, int nDepth, int bMaximising, int nAlpha, int nBeta,
              int nSearchSide) {
    // 1. A stopped search unwinds at once; its iteration is discarded.
    if (!g_bSearchRunning) {
        return 0;
    }

    // 2, 3. Count the node; all but every PUMP_PERIOD-th node serve the message queue.
    const std::int64_t nNode = g_nNodeCount++;
    if (nNode % PUMP_PERIOD != 0) {
        ServeMessages();
    }

    // 4. A leaf.
    const int nScore = Evaluate(pos, nSearchSide);
    if (nDepth == 0) {
        return nScore;
    }

    // 5. A decided game is not searched further; nearer the root it weighs more.
    if (nScore >= WIN_SCORE) {
        return nScore + DEPTH_BONUS * nDepth;
    }
    if (nScore <= LOSS_SCORE) {
        return nScore - DEPTH_BONUS * nDepth;
    }

    // 6. The node's move generator and its child buffer live in this frame.
    SearchNode node;
    Position posChild;

    if (bMaximising) {
        // 7. The searching side moves; without a move it has lost.
        node.InitMoves(pos, nSearchSide);
        if (!node.NextMove()) {
            return LOSS_SCORE - DEPTH_BONUS * nDepth;
        }
        do {
            const int nValue =
                AlphaBeta(node.MakeChild(posChild), nDepth - 1, 0, nAlpha, nBeta, nSearchSide);
            if (nValue > nAlpha) {
                nAlpha = nValue;
            }
        } while (nAlpha < nBeta && node.NextMove());
        return nAlpha;
    }

    // 8. The opponent moves; without a move it has lost.
    node.InitMoves(pos, Opponent(nSearchSide));
    if (!node.NextMove()) {
        return WIN_SCORE + DEPTH_BONUS * nDepth;
    }
    do {
        const int nValue =
            AlphaBeta(node.MakeChild(posChild), nDepth - 1, 1, nAlpha, nBeta, nSearchSide);
        if (nValue < nBeta) {
            nBeta = nValue;
        }
    } while (nBeta > nAlpha && node.NextMove());
    return nBeta;
}

Position& SearchRoot(const Position& pos, Position& posResult, int nSide, int nDepth,
                     int* pnBestScore) {
    // 1. Nothing found yet.
    int nBestScore = -SEARCH_INFINITY;
    int nAlpha = -SEARCH_INFINITY;
    Position posBest = pos;

    // 2. Every iteration restarts the random sequence from the calendar time in seconds.
    CrtSrand(static_cast<unsigned int>(std::time(nullptr)));

    // 3, 4. Full width at the root; only a strictly better score replaces the best, so the
    // first child in generation order wins a tie.
    SearchNode node;
    Position posChild;
    node.InitMoves(pos, nSide);
    while (node.NextMove()) {
        node.MakeChild(posChild);
        const int nValue = AlphaBeta(posChild, nDepth - 1, 0, nAlpha, SEARCH_INFINITY, nSide);
        if (nValue > nBestScore) {
            posBest = posChild;
            nBestScore = nValue;
        }
        if (nValue > nAlpha) {
            nAlpha = nValue;
        }
    }

    // 5. The result.
    posResult = posBest;
    if (pnBestScore) {
        *pnBestScore = nBestScore;
    }
    return posResult;
}

int FindBestMove(Position& pos, int nSide, CSearchObserver* pObserver) {
    // 1. The unchanged position is the result until an iteration completes.
    Position posResult = pos;
    g_nSearchDepth = 1;
    g_nNodeCount = 0;
    g_bSearchRunning = 1;

    for (;;) {
        // 2. One iteration.
        Position posBest;
        int nBestScore = 0;
        SearchRoot(pos, posBest, nSide, g_nSearchDepth, &nBestScore);

        // 3. Stopped inside the iteration: discard it whole.
        if (!g_bSearchRunning) {
            pos = posResult;
            return 1;
        }

        // 4. The iteration's best child is the result so far.
        posResult = posBest;
        if (pObserver) {
            pObserver->OnIterationDone(g_nSearchDepth, nBestScore, posResult);
        }

        // 5. A move that wins at once is played whatever time is left.
        if (Evaluate(posResult, nSide) >= WIN_SCORE) {
            pos = posResult;
            return 1;
        }

        // 6. The root had no child: nSide cannot move.
        if (posResult == pos) {
            return 0;
        }

        // 7. Deeper, unless the timer has run out meanwhile or the stack would not hold
        // the next iteration.
        ++g_nSearchDepth;
        if (!g_bSearchRunning || g_nSearchDepth > MAX_SEARCH_DEPTH) {
            pos = posResult;
            return 1;
        }
    }
}
