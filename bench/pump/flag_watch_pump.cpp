#include "flag_watch_pump.h"

#include "search.h"

int CFlagWatchPump::PumpMessage() {
    const int bWasRunning = g_bSearchRunning;
    const int nResult = m_inner.PumpMessage();
    if (bWasRunning && !g_bSearchRunning && !m_stoppedAt) {
        m_stoppedAt = std::chrono::steady_clock::now();
    }
    return nResult;
}
