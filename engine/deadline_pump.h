// A think timer for programs without a window: a message pump whose only message is the
// timer running out.
#pragma once

#include <chrono>

#include "message_pump.h"

// Reports a waiting message once the deadline has passed; dispatching it clears
// g_bSearchRunning, as the think timer's callback does. Reading the clock costs tens of
// nanoseconds, so it is meant to sit behind a CRateLimitedPump.
class CDeadlinePump final : public CMessagePump {
public:
    // Arms the timer: the search is stopped once nMilliseconds have passed from now.
    void Start(int nMilliseconds);

    int PeekMessage() override;
    int PumpMessage() override;
    void PostQuitMessage(int) override {}

    std::chrono::steady_clock::time_point Deadline() const { return m_deadline; }

private:
    std::chrono::steady_clock::time_point m_deadline{};
    bool m_bArmed = false;
};
