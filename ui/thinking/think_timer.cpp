#include "think_timer.h"

#include <algorithm>
#include <utility>

#include "search.h"

CThinkTimer::CThinkTimer(CProgressView::StatusTextFn fnShowStatusText, QObject* pParent)
    : QObject(pParent), m_progressView(std::move(fnShowStatusText)) {
    m_thinkTimer.setTimerType(Qt::PreciseTimer);
    m_thinkTimer.setSingleShot(true);
    connect(&m_thinkTimer, &QTimer::timeout, this, &CThinkTimer::ThinkTimerProc);
}

void CThinkTimer::StartThinkTimer(int nMilliseconds) {
    const int nPeriod = std::max(nMilliseconds, 1);
    m_thinkTimer.stop();
    m_progressView.StartProgress(nPeriod);
    m_thinkTimer.start(nPeriod);
}

void CThinkTimer::ThinkTimerProc() {
    g_bSearchRunning = 0;
}
