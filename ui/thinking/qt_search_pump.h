// The message pump an application installs for its searches: the Qt pump behind a rate
// limiter.
#pragma once

#include <chrono>
#include <functional>

#include "qt_message_pump.h"
#include "rate_limited_pump.h"

// Serving Qt's queue costs the time of tens of nodes of search, more right after a
// millisecond of search has pushed Qt's data out of the caches, so the search must not do it
// at every node. This pair serves it about once per interval (1 ms by default): the limiter
// reads a steady clock every CRateLimitedPump::CLOCK_PERIOD peeks and only then asks the Qt
// pump, which serves the whole queue in one pass. Timers therefore fire, and the window
// repaints and takes input, at most about an interval late. The share of its speed the search
// keeps is measured by pelvar-pump-bench, part a (bench/pump); most of the loss is the
// limiter's bookkeeping at every node, not the passes of the queue.
//
// The application owns one object for its whole run and hands Pump() to SetMessagePump
// (or to its framework services) for the time of each search.
class CQtSearchPump {
public:
    explicit CQtSearchPump(std::function<bool()> fnQuitRequested = {},
                           std::chrono::nanoseconds interval = std::chrono::milliseconds(1));
    CQtSearchPump(const CQtSearchPump&) = delete;
    CQtSearchPump& operator=(const CQtSearchPump&) = delete;

    // The pump the search uses.
    CMessagePump& Pump() { return m_rateLimited; }

    // The parts, for measurements.
    const CQtMessagePump& QtPump() const { return m_qtPump; }
    const CRateLimitedPump& RateLimiter() const { return m_rateLimited; }

private:
    CQtMessagePump m_qtPump;
    CRateLimitedPump m_rateLimited;  // refers to m_qtPump, so declared after it
};
