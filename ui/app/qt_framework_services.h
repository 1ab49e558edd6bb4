// The framework services of the game on Qt: message boxes, the view's updates and immediate
// paints, the wait cursor, the think timer, the settings dialog, the message pump and the
// quit request. Everything runs on the one GUI thread.
#pragma once

#include <QMessageBox>

#include "framework_services.h"
#include "message_pump.h"
#include "qt_search_pump.h"

class CDocumentWindow;

// Message box styles beyond those the game uses, with the values of the original framework:
// the masks of the buttons and the icon, and the exclamation mark of the file messages.
inline constexpr int MB_TYPEMASK = 0x0F;
inline constexpr int MB_ICONEXCLAMATION = 0x30;
inline constexpr int MB_ICONMASK = 0xF0;

// The icon of a box of style nType. A style without an icon gets the framework's default:
// the exclamation mark for OK, the question mark for Yes/No.
QMessageBox::Icon MessageBoxIcon(int nType);

// The buttons of a box of style nType: OK, or Yes and No.
QMessageBox::StandardButtons MessageBoxButtons(int nType);

// The answer to report for the button that closed a box of style nType; a box closed without
// a button answers No or OK by its style. A Yes/No box closes without a button only
// when the application quits under it: Escape and the close button do not close it.
int MessageBoxAnswer(int nType, QMessageBox::StandardButton button);

class CQtFrameworkServices final : public CFrameworkServices {
public:
    CQtFrameworkServices();
    ~CQtFrameworkServices() override;
    CQtFrameworkServices(const CQtFrameworkServices&) = delete;
    CQtFrameworkServices& operator=(const CQtFrameworkServices&) = delete;

    // The window whose view the document updates; nullptr while there is none. The caller
    // clears it before the window is destroyed.
    void SetFrame(CDocumentWindow* pFrame);

    // Modal, caption "Pelvar", owned by the main window while it is shown. Once the
    // application quits no box is shown any more: the call answers at once as a box closed
    // without a button would.
    int MessageBox(const std::string& strText, int nType) override;

    // The view's OnUpdate with nHint; the menu's enabled states follow the document.
    void UpdateAllViews(int nHint) override;
    // The view's announcement, sent after its board's latest change.
    void Announce(const std::string& strText) override;
    bool HasFirstView() const override;
    // A synchronous repaint of the view.
    void PaintFirstViewNow() override;

    // The application-wide wait cursor; calls nest, and an end without a begin does nothing.
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    int WaitCursorDepth() const { return m_nWaitCursorDepth; }

    void StartThinkTimer(int nMilliseconds) override;
    int DoModalSettings(CSettingsDialog& dlg) override;
    CMessagePump& MessagePump() override;

    bool IsQuitting() const override { return m_bQuitting; }
    bool IsModalWindowOpen() const override;
    // Marks the application as quitting: a running game unwinds without further boxes.
    void RequestQuit() { m_bQuitting = true; }

private:
    CDocumentWindow* m_pFrame = nullptr;
    CQtSearchPump m_searchPump;  // asks whether the application is quitting
    int m_nWaitCursorDepth = 0;
    bool m_bQuitting = false;
};
