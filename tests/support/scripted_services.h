// A stand-in for the window system that lets tests drive whole games through the document:
// it records every call, answers message boxes from a script and ends each search after a
// fixed number of nodes, as if the think timer fired then.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework_services.h"
#include "position.h"

class CPelvarDoc;

class CScriptedServices final : public CFrameworkServices, private CMessagePump {
public:
    // A repaint of the first view, with what it would have shown.
    struct Paint {
        int nState = -1;
        Position posCurrent{};
        Position posPrevious{};
        int nMarkerSide = 0;
    };

    // A message box as it was shown, with the document's state at that moment.
    struct ShownBox : Paint {
        std::string strText;
        int nType = 0;
    };

    // The document whose state boxes and paints record; set it after constructing both.
    CPelvarDoc* m_pDoc = nullptr;

    // Answers for the next MB_YESNO boxes, first in first out; IDYES when the script is
    // empty. MB_OK boxes answer IDOK and take nothing from the script.
    std::deque<int> m_answers;

    // Runs inside every message box, for tests that act while a box is open.
    std::function<void()> m_fnDuringBox;

    // Runs once inside the next search, at its first served message, for tests that act
    // while the computer thinks (a click, a menu command, the request to quit).
    std::function<void()> m_fnDuringSearch;

    // Runs every time a search's think timer is armed, before the search.
    std::function<void()> m_fnOnThinkTimer;

    // Runs at every paint of the first view, after it is recorded, for tests that look at
    // the picture.
    std::function<void()> m_fnOnPaint;

    // Nodes each search may visit before its think timer fires.
    int m_nNodesPerSearch = 300;

    // Result of the settings dialog and what it does to the options before returning.
    int m_nSettingsResult = IDCANCEL;
    std::function<void(CSettingsDialog&)> m_fnEditSettings;

    bool m_bHasView = true;
    bool m_bQuitting = false;
    bool m_bModalOpen = false;  // a window outside the document's boxes, e.g. the About box

    // What happened.
    std::vector<ShownBox> m_boxes;
    std::vector<std::string> m_announcements;
    std::vector<Paint> m_paints;
    std::vector<int> m_thinkTimes;
    int m_nUpdates = 0;
    int m_nWaitDepth = 0;
    int m_nMaxWaitDepth = 0;
    int m_nSettingsRuns = 0;
    int m_nSearches = 0;
    int m_nQuitPosts = 0;

    int MessageBox(const std::string& strText, int nType) override;
    void UpdateAllViews(int nHint) override;
    void Announce(const std::string& strText) override { m_announcements.push_back(strText); }
    bool HasFirstView() const override { return m_bHasView; }
    void PaintFirstViewNow() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void StartThinkTimer(int nMilliseconds) override;
    int DoModalSettings(CSettingsDialog& dlg) override;
    CMessagePump& MessagePump() override { return *this; }
    bool IsQuitting() const override { return m_bQuitting; }
    bool IsModalWindowOpen() const override { return m_bModalOpen; }

private:
    int PeekMessage() override;
    int PumpMessage() override;
    void PostQuitMessage(int) override { ++m_nQuitPosts; }

    bool TimerDue() const;
    // What the document shows now; the defaults without a document.
    Paint Shown() const;

    bool m_bTimerArmed = false;
    bool m_bTimerFired = false;
};
