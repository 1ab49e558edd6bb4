// The search driver: iterative deepening with alpha-beta cut-offs over complete turns,
// bounded by a think timer that clears g_bSearchRunning.
#pragma once

#include <cstdint>

#include "evaluate.h"
#include "position.h"

inline constexpr int SEARCH_INFINITY =
    10000000;                              // the root's beta; best and alpha start at minus it
inline constexpr int DEPTH_BONUS = 54;     // per ply of remaining depth on a decided score
// A look at the message queue that falls on a node number divisible by this is skipped. The
// search looks only every NodesPerPeek nodes, so with a pump that asks every 1024 nodes a
// look is skipped only where the two periods meet.
inline constexpr int PUMP_PERIOD = 10000;

// Deepest iteration the search starts. The tree lives on the call stack, one frame of a few
// hundred bytes per ply (a compact board and the frame itself, more under the sanitizers),
// and a message dispatched from the deepest node needs stack of its own. 1000 plies stay
// well under one megabyte, well inside the main thread's eight. Only a
// forced line, where each side has a single move ply after ply, ever gets this deep: its
// iterations cost a node per ply, so time alone would let it run to thousands.
inline constexpr int MAX_SEARCH_DEPTH = 1000;

// Non-zero while the search may go on. FindBestMove sets it at its start; the think timer
// clears it, and so does the search's look at the message queue (ServeMessagesAtNode) when
// the application is quitting.
extern int g_bSearchRunning;
// Depth of the iteration in progress; after a search that the timer ended, one more than
// the last completed iteration.
extern int g_nSearchDepth;
// AlphaBeta calls made while g_bSearchRunning was set in the current FindBestMove. 64 bits
// wide: at ten million nodes a second a 32-bit count would overflow after about three and a
// half minutes, well within the longest think time of an hour.
extern std::int64_t g_nNodeCount;

// Told about every completed iteration of FindBestMove, for tools and tests. It may clear
// g_bSearchRunning, which ends the search exactly as if the think timer had fired then.
class CSearchObserver {
public:
    virtual ~CSearchObserver() = default;
    virtual void OnIterationDone(int nDepth, int nBestScore, const Position& posBest) = 0;
};

// Chooses nSide's move in pos by deepening one ply at a time until g_bSearchRunning is
// cleared, the move found wins at once, nSide turns out to have no move, or the depth
// reaches MAX_SEARCH_DEPTH. The caller arms the think timer first.
//
// Returns 1 with pos replaced by the best child of the last completed iteration (pos is
// left unchanged when the flag was cleared before the first iteration completed), or 0
// when nSide has no move, pos unchanged. An iteration cut short by the flag is discarded
// whole. Allocates nothing on the heap.
int FindBestMove(Position& pos, int nSide, CSearchObserver* pObserver = nullptr);

// One full-width iteration at depth nDepth >= 1: writes pos's best child for nSide into
// posResult (a copy of pos when nSide has no move) and returns posResult. The first child
// in generation order wins among equal scores. When pnBestScore is given it receives the
// best child's score (-SEARCH_INFINITY when there is no move). Reseeds the random
// generator from the calendar time, so iterations started within one second repeat it.
Position& SearchRoot(const Position& pos, Position& posResult, int nSide, int nDepth,
                     int* pnBestScore = nullptr);

// Score of pos with nDepth plies left, from nSearchSide's point of view at every ply.
// bMaximising is 1 where nSearchSide moves, 0 where its opponent does. Within the window a
// maximising node never returns less than alpha, a minimising one never more than beta;
// decided games return WIN_SCORE or LOSS_SCORE pushed away from zero by DEPTH_BONUS per
// remaining ply, so the quickest win and the slowest loss are preferred. Offers the message
// queue a look whenever the installed pump's NodesPerPeek nodes have passed (every node for
// a pump that asks for 1), except at nodes whose number is a multiple of PUMP_PERIOD.
int AlphaBeta(const Position& pos, int nDepth, int bMaximising, int nAlpha, int nBeta,
              int nSearchSide);
