// An observer that ends a search after a fixed iteration.
#pragma once

#include "search.h"

// Clears g_bSearchRunning once iteration nDepth has completed, exactly as the think timer
// would if it fired right then: the search plays that iteration's move (or a win found
// earlier) and g_nSearchDepth ends one above it.
class CStopAtDepth final : public CSearchObserver {
public:
    explicit CStopAtDepth(int nDepth) : m_nDepth(nDepth) {}
    void OnIterationDone(int nDepth, int, const Position&) override {
        if (nDepth >= m_nDepth) {
            g_bSearchRunning = 0;
        }
    }

private:
    int m_nDepth;
};
