// A pump that notes when the search was stopped from inside a dispatch.
#pragma once

#include <chrono>
#include <optional>

#include "message_pump.h"

// Passes every call on to another pump, and notes the moment the first dispatch that
// cleared g_bSearchRunning returned. That splits the time a search ends late into the part
// before the think timer's callback had run and the search's unwinding after it.
class CFlagWatchPump final : public CMessagePump {
public:
    // inner must outlive this pump.
    explicit CFlagWatchPump(CMessagePump& inner) : m_inner(inner) {}

    int PeekMessage() override { return m_inner.PeekMessage(); }
    int PumpMessage() override;
    void PostQuitMessage(int nExitCode) override { m_inner.PostQuitMessage(nExitCode); }

    // Forgets the last stop; call before each search.
    void Reset() { m_stoppedAt.reset(); }

    // When the dispatch that stopped the search returned, if one did.
    std::optional<std::chrono::steady_clock::time_point> StoppedAt() const { return m_stoppedAt; }

private:
    CMessagePump& m_inner;
    std::optional<std::chrono::steady_clock::time_point> m_stoppedAt;
};
