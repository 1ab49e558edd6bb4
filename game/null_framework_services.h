// Framework services that do nothing: for a document without a window, which is only
// painted or inspected (the board rendering tool, tests). No box is shown (every box
// answers IDOK), no timer is armed, and the search pumps no messages.
#pragma once

#include "framework_services.h"
#include "message_pump.h"

class CNullFrameworkServices : public CFrameworkServices {
public:
    int MessageBox(const std::string&, int) override { return IDOK; }
    void UpdateAllViews(int) override {}
    void Announce(const std::string&) override {}
    bool HasFirstView() const override { return false; }
    void PaintFirstViewNow() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void StartThinkTimer(int) override {}
    int DoModalSettings(CSettingsDialog&) override { return IDCANCEL; }
    CMessagePump& MessagePump() override { return m_pump; }
    bool IsQuitting() const override { return false; }
    bool IsModalWindowOpen() const override { return false; }

private:
    CNullMessagePump m_pump;
};
