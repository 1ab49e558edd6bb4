#include "scripted_services.h"

#include "pelvar_doc.h"
#include "search.h"

int CScriptedServices::MessageBox(const std::string& strText, int nType) {
    m_boxes.push_back({Shown(), strText, nType});
    if (m_fnDuringBox) {
        m_fnDuringBox();
    }
    if ((nType & MB_YESNO) != MB_YESNO) {
        return IDOK;
    }
    if (m_answers.empty()) {
        return IDYES;
    }
    const int nAnswer = m_answers.front();
    m_answers.pop_front();
    return nAnswer;
}

void CScriptedServices::UpdateAllViews(int) {
    ++m_nUpdates;
}

void CScriptedServices::PaintFirstViewNow() {
    if (m_pDoc) {
        m_paints.push_back(Shown());
    }
    if (m_fnOnPaint) {
        m_fnOnPaint();
    }
}

CScriptedServices::Paint CScriptedServices::Shown() const {
    if (m_pDoc == nullptr) {
        return {};
    }
    return {m_pDoc->m_nState, m_pDoc->m_posCurrent, m_pDoc->m_posPrevious, m_pDoc->m_nMarkerSide};
}

void CScriptedServices::BeginWaitCursor() {
    ++m_nWaitDepth;
    if (m_nWaitDepth > m_nMaxWaitDepth) {
        m_nMaxWaitDepth = m_nWaitDepth;
    }
}

void CScriptedServices::EndWaitCursor() {
    --m_nWaitDepth;
}

void CScriptedServices::StartThinkTimer(int nMilliseconds) {
    m_thinkTimes.push_back(nMilliseconds);
    m_bTimerArmed = true;
    m_bTimerFired = false;
    ++m_nSearches;
    if (m_fnOnThinkTimer) {
        m_fnOnThinkTimer();
    }
}

int CScriptedServices::DoModalSettings(CSettingsDialog& dlg) {
    ++m_nSettingsRuns;
    if (m_fnEditSettings) {
        m_fnEditSettings(dlg);
    }
    return m_nSettingsResult;
}

// The timer's message is taken from the queue when it is dispatched; the next one comes
// only with the next search.
bool CScriptedServices::TimerDue() const {
    return m_bTimerArmed && !m_bTimerFired && g_nNodeCount >= m_nNodesPerSearch;
}

// The search asks at nearly every node; the first ask of a search runs the test's action,
// and once the node budget is spent the "timer" fires.
int CScriptedServices::PeekMessage() {
    if (m_fnDuringSearch) {
        return 1;
    }
    if (m_bQuitting) {
        return 1;
    }
    return TimerDue() ? 1 : 0;
}

int CScriptedServices::PumpMessage() {
    if (m_fnDuringSearch) {
        const std::function<void()> fnAction = std::move(m_fnDuringSearch);
        m_fnDuringSearch = nullptr;
        fnAction();
    }
    if (m_bQuitting) {
        return 0;
    }
    if (TimerDue()) {
        m_bTimerFired = true;
        g_bSearchRunning = 0;  // the think timer's callback
    }
    return 1;
}
