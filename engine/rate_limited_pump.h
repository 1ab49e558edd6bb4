// A pump that asks a costly real message queue only about once a millisecond.
#pragma once

#include <chrono>
#include <cstdint>

#include "message_pump.h"

// The search asks "is a message waiting?" at nearly every node, tens of millions of times
// a second, while asking a real toolkit costs microseconds. This wrapper answers "no"
// without asking, except when at least the interval has passed since it last looked, which
// it checks on a steady clock only every CLOCK_PERIOD calls. Once the real queue reports a
// message, every further peek goes to it until it is drained, so a burst of messages is
// served in one go. A message therefore waits at most about one interval plus the time of
// CLOCK_PERIOD nodes before it is dispatched.
class CRateLimitedPump final : public CMessagePump {
public:
    static constexpr std::uint32_t CLOCK_PERIOD = 64;

    // inner must outlive this pump.
    explicit CRateLimitedPump(CMessagePump& inner,
                              std::chrono::nanoseconds interval = std::chrono::milliseconds(1));

    int PeekMessage() override;
    int PumpMessage() override { return m_inner.PumpMessage(); }
    void PostQuitMessage(int nExitCode) override { m_inner.PostQuitMessage(nExitCode); }

    // Number of times the real queue was asked; for measurements.
    std::uint64_t RealPeeks() const { return m_nRealPeeks; }

private:
    CMessagePump& m_inner;
    std::chrono::nanoseconds m_interval;
    std::chrono::steady_clock::time_point m_lastLook;
    std::uint64_t m_nRealPeeks = 0;
    std::uint32_t m_nCalls = 0;
    bool m_bDraining = false;
};
