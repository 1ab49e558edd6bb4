#include "search_scope.h"

#include "evaluate.h"

namespace {

// Passes every iteration on, then clears g_bSearchRunning once iteration nStopDepth is done.
class CStopAtDepth final : public CSearchObserver {
public:
    CStopAtDepth(int nStopDepth, CSearchObserver* pNext)
        : m_nStopDepth(nStopDepth), m_pNext(pNext) {}
    void OnIterationDone(int nDepth, int nBestScore, const Position& posBest) override {
        if (m_pNext) {
            m_pNext->OnIterationDone(nDepth, nBestScore, posBest);
        }
        if (m_nStopDepth > 0 && nDepth >= m_nStopDepth) {
            g_bSearchRunning = 0;
        }
    }

private:
    int m_nStopDepth;
    CSearchObserver* m_pNext;
};

}  // namespace

CSearchScope::CSearchScope(CMessagePump* pPump, int nRandomMoves, EResults eResults)
    : m_savedPump(GetMessagePump()),
      m_bSavedRandom(g_bRandomMoves),
      m_bSetRandom(nRandomMoves != KEEP_RANDOM),
      m_eResults(eResults),
      m_bSavedRunning(g_bSearchRunning),
      m_nSavedDepth(g_nSearchDepth),
      m_nSavedNodes(g_nNodeCount) {
    SetMessagePump(pPump);
    if (m_bSetRandom) {
        g_bRandomMoves = nRandomMoves;
    }
}

CSearchScope::~CSearchScope() {
    SetMessagePump(&m_savedPump);
    if (m_bSetRandom) {
        g_bRandomMoves = m_bSavedRandom;
    }
    if (m_eResults == RESTORE_RESULTS) {
        g_bSearchRunning = m_bSavedRunning;
        g_nSearchDepth = m_nSavedDepth;
        g_nNodeCount = m_nSavedNodes;
    }
}

int CSearchScope::Search(Position& pos, int nSide, int nStopDepth, CSearchObserver* pObserver) {
    if (nStopDepth <= 0) {
        return FindBestMove(pos, nSide, pObserver);
    }
    CStopAtDepth stop(nStopDepth, pObserver);
    return FindBestMove(pos, nSide, &stop);
}
