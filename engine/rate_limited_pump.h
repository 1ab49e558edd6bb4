// A pump that asks a costly real message queue only about once a millisecond.
#pragma once

#include <chrono>
#include <cstdint>

#include "message_pump.h"

// Asking a real toolkit whether a message waits costs microseconds, hundreds of nodes of
// search. The search asks this wrapper only every CLOCK_PERIOD nodes (NodesPerPeek), and it
// answers "no" without asking the real queue, except when at least the interval has passed
// since it last looked, which it checks on a steady clock. Once the real queue reports a
// message, every further peek goes to it until it is drained, so a burst of messages is
// served in one go. A message therefore waits at most about one interval plus the time of
// CLOCK_PERIOD nodes (a few microseconds) before it is dispatched.
class CRateLimitedPump final : public CMessagePump {
public:
    static constexpr std::uint32_t CLOCK_PERIOD = 1024;

    // inner must outlive this pump.
    explicit CRateLimitedPump(CMessagePump& inner,
                              std::chrono::nanoseconds interval = std::chrono::milliseconds(1));

    int PeekMessage() override;
    int PumpMessage() override { return m_inner.PumpMessage(); }
    void PostQuitMessage(int nExitCode) override { m_inner.PostQuitMessage(nExitCode); }
    int NodesPerPeek() const override { return static_cast<int>(CLOCK_PERIOD); }

    // Number of times the real queue was asked; for measurements.
    std::uint64_t RealPeeks() const { return m_nRealPeeks; }

private:
    CMessagePump& m_inner;
    std::chrono::nanoseconds m_interval;
    std::chrono::steady_clock::time_point m_lastLook;
    std::uint64_t m_nRealPeeks = 0;
    bool m_bDraining = false;
};
