#include "search.h"

#include <ctime>

#include "compact_board.h"
#include "crt_random.h"
#include "fast_search.h"
#include "message_pump.h"
#include "node_pump.h"
#include "search_node.h"

int g_bSearchRunning = 1;
int g_nSearchDepth = 0;
std::int64_t g_nNodeCount = 0;

std::int32_t g_nPumpCountdown = 1;

void ServeMessagesAtNode(std::int64_t nNode) {
    // Lets the window's messages through; the think timer's callback runs in here. When the
    // pump has taken the request to quit, the request is posted again so that the
    // application's main loop still ends after the search returns, the search is stopped,
    // and the loop ends: peeking again would find the request just posted.
    CMessagePump& pump = GetMessagePump();
    if (nNode % PUMP_PERIOD != 0) {
        while (pump.PeekMessage()) {
            if (!pump.PumpMessage()) {
                pump.PostQuitMessage(0);
                g_bSearchRunning = 0;
                break;
            }
        }
    }
    // The pump may have been swapped inside the dispatch; ask the one installed now.
    const int nStride = GetMessagePump().NodesPerPeek();
    g_nPumpCountdown = nStride > 0 ? nStride : 1;
}

void PrepareNodePump() {
    const int nStride = GetMessagePump().NodesPerPeek();
    if (g_nPumpCountdown > nStride) {
        g_nPumpCountdown = nStride > 0 ? nStride : 1;
    }
}

// Every node below runs on the compact board (fast_search_impl.h); the record is converted
// once per call.
int AlphaBeta(const Position& pos, int nDepth, int bMaximising, int nAlpha, int nBeta,
              int nSearchSide) {
    PrepareNodePump();
    return AlphaBetaCompact(ToCompactBoard(pos), nDepth, bMaximising, nAlpha, nBeta, nSearchSide);
}

Position& SearchRoot(const Position& pos, Position& posResult, int nSide, int nDepth,
                     int* pnBestScore) {
    // 1. Nothing found yet: no best score, no bound, the position itself as the best.
    int nBestScore = -SEARCH_INFINITY;
    int nAlpha = -SEARCH_INFINITY;
    Position posBest = pos;

    // 2. Every iteration restarts the random sequence from the calendar time in seconds.
    CrtSrand(static_cast<unsigned int>(std::time(nullptr)));

    // 3. Full width at the root; only a strictly better score replaces the best, so the
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

    // 4. The best child and its score go to the caller.
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
        // 2. One iteration at the current depth.
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

        // 5. The root had no child: nSide cannot move. Asked first, so that a position no
        // game reaches, where the side to move has no turn but the opponent is down to two
        // stones, is not taken for a win.
        if (posResult == pos) {
            return 0;
        }

        // 6. A move that wins at once is played whatever time is left.
        if (Evaluate(posResult, nSide) >= WIN_SCORE) {
            pos = posResult;
            return 1;
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
