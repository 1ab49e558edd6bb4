// The one owner of the engine's global state around a search.
#pragma once

#include <cstdint>

#include "message_pump.h"
#include "search.h"

// Sets up the globals that a search reads for the time this object lives, and gives them
// back when it ends: the installed message pump, g_bRandomMoves when it set it, and, unless the
// results are kept, g_bSearchRunning, g_nSearchDepth and g_nNodeCount. Its Search runs FindBestMove
// and may end it after a fixed iteration, as the think timer would if it fired right then. Scopes
// nest: an inner one gives back what the outer one set.
class CSearchScope {
public:
    // nRandomMoves: KEEP_RANDOM leaves g_bRandomMoves as it is, else its value for the scope.
    static constexpr int KEEP_RANDOM = -1;
    // What the end of the scope does with the search's results in the globals: the game
    // keeps them for its statistics line, tools and tests give back the values from before.
    enum EResults { RESTORE_RESULTS, KEEP_RESULTS };

    // pPump is installed for the scope (nullptr: the null pump); the caller keeps it alive.
    CSearchScope(CMessagePump* pPump, int nRandomMoves, EResults eResults = RESTORE_RESULTS);
    ~CSearchScope();
    CSearchScope(const CSearchScope&) = delete;
    CSearchScope& operator=(const CSearchScope&) = delete;

    // FindBestMove on pos for nSide. With nStopDepth > 0 the search is stopped once iteration
    // nStopDepth has completed: it plays that iteration's move (or a win found earlier) and
    // g_nSearchDepth ends one above it. pObserver, when given, hears of every iteration
    // first and may stop the search itself.
    int Search(Position& pos, int nSide, int nStopDepth = 0, CSearchObserver* pObserver = nullptr);

private:
    CMessagePump& m_savedPump;
    int m_bSavedRandom;
    bool m_bSetRandom;
    EResults m_eResults;
    int m_bSavedRunning;
    int m_nSavedDepth;
    std::int64_t m_nSavedNodes;
};
