#include "qt_search_pump.h"

#include <utility>

CQtSearchPump::CQtSearchPump(std::function<bool()> fnQuitRequested,
                             std::chrono::nanoseconds interval)
    : m_qtPump(std::move(fnQuitRequested)), m_rateLimited(m_qtPump, interval) {}
