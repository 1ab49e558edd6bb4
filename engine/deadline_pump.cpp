#include "deadline_pump.h"

#include "search.h"

void CDeadlinePump::Start(int nMilliseconds) {
    m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMilliseconds);
    m_bArmed = true;
}

int CDeadlinePump::PeekMessage() {
    return m_bArmed && std::chrono::steady_clock::now() >= m_deadline ? 1 : 0;
}

int CDeadlinePump::PumpMessage() {
    if (PeekMessage()) {
        m_bArmed = false;
        g_bSearchRunning = 0;
    }
    return 1;
}
