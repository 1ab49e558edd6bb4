#include "rate_limited_pump.h"

CRateLimitedPump::CRateLimitedPump(CMessagePump& inner, std::chrono::nanoseconds interval)
    : m_inner(inner), m_interval(interval), m_lastLook(std::chrono::steady_clock::now()) {}

int CRateLimitedPump::PeekMessage() {
    if (!m_bDraining) {
        const auto now = std::chrono::steady_clock::now();
        if (now - m_lastLook < m_interval) {
            return 0;
        }
        m_lastLook = now;
    }
    ++m_nRealPeeks;
    m_bDraining = m_inner.PeekMessage() != 0;
    if (!m_bDraining) {
        m_lastLook = std::chrono::steady_clock::now();
    }
    return m_bDraining ? 1 : 0;
}
