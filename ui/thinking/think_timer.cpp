#include "think_timer.h"

#include <algorithm>
#include <utility>

#include "progress_text.h"
#include "search.h"

CThinkTimer* g_pProgressView = nullptr;

CThinkTimer::CThinkTimer(StatusTextFn fnShowStatusText, QObject* pParent)
    : QObject(pParent), m_fnShowStatusText(std::move(fnShowStatusText)) {
    m_thinkTimer.setTimerType(Qt::PreciseTimer);
    m_thinkTimer.setSingleShot(true);
    m_progressTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_thinkTimer, &QTimer::timeout, this, &CThinkTimer::ThinkTimerProc);
    connect(&m_progressTimer, &QTimer::timeout, this, &CThinkTimer::ProgressTimerProc);
}

CThinkTimer::~CThinkTimer() {
    if (g_pProgressView == this) {
        g_pProgressView = nullptr;
    }
}

void CThinkTimer::SetStatusTextFn(StatusTextFn fnShowStatusText) {
    m_fnShowStatusText = std::move(fnShowStatusText);
}

void CThinkTimer::StartThinkTimer(int nMilliseconds) {
    const int nPeriod = std::max(nMilliseconds, 1);
    m_thinkTimer.stop();
    StartProgress(nPeriod);
    m_thinkTimer.start(nPeriod);
}

void CThinkTimer::StartProgress(int nMilliseconds) {
    m_progressTimer.stop();
    m_nProgress = 10;
    if (g_pProgressView && g_pProgressView != this) {
        g_pProgressView->m_progressTimer.stop();
    }
    g_pProgressView = this;
    ShowStatusText(ProgressText(m_nProgress));
    m_progressTimer.start(ProgressInterval(nMilliseconds));
}

void CThinkTimer::ThinkTimerProc() {
    g_bSearchRunning = 0;
}

void CThinkTimer::ProgressTimerProc() {
    CThinkTimer* pView = g_pProgressView;
    if (!pView) {
        return;
    }
    pView->m_nProgress += 10;
    pView->ShowStatusText(ProgressText(pView->m_nProgress));
    if (pView->m_nProgress >= 100) {
        pView->ShowStatusText(IdleText());
        pView->m_progressTimer.stop();
    }
}

void CThinkTimer::ShowStatusText(const QString& strText) const {
    if (m_fnShowStatusText) {
        m_fnShowStatusText(strText);
    }
}
