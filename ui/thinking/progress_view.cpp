#include "progress_view.h"

#include <utility>

#include "progress_text.h"

CProgressView* g_pProgressView = nullptr;

CProgressView::CProgressView(StatusTextFn fnShowStatusText, QObject* pParent)
    : QObject(pParent), m_fnShowStatusText(std::move(fnShowStatusText)) {
    m_progressTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_progressTimer, &QTimer::timeout, this, &CProgressView::ProgressTimerProc);
}

CProgressView::~CProgressView() {
    if (g_pProgressView == this) {
        g_pProgressView = nullptr;
    }
}

void CProgressView::SetStatusTextFn(StatusTextFn fnShowStatusText) {
    m_fnShowStatusText = std::move(fnShowStatusText);
}

void CProgressView::StartProgress(int nMilliseconds) {
    m_progressTimer.stop();
    m_nProgress = 10;
    if (g_pProgressView && g_pProgressView != this) {
        g_pProgressView->m_progressTimer.stop();
    }
    g_pProgressView = this;
    ShowStatusText(ProgressText(m_nProgress));
    m_progressTimer.start(ProgressInterval(nMilliseconds));
}

void CProgressView::ProgressTimerProc() {
    CProgressView* pView = g_pProgressView;
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

void CProgressView::ShowStatusText(const QString& strText) const {
    if (m_fnShowStatusText) {
        m_fnShowStatusText(strText);
    }
}
