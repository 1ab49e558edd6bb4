// What the game control needs of the window system, and nothing more. The Qt application
// implements it; tests implement it with a scripted fake that answers message boxes and
// fires the think timer on demand.
#pragma once

#include <string>

#include "message_pump.h"

class CSettingsDialog;

// Message box styles and answers, with the values the game's callers use.
inline constexpr int MB_OK = 0;
inline constexpr int MB_YESNO = 4;
inline constexpr int MB_ICONQUESTION = 32;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class CFrameworkServices {
public:
    virtual ~CFrameworkServices() = default;

    // Shows a modal message box with the application title as caption and strText (UTF-8,
    // "\n" breaks lines); returns only when it is closed: IDOK for MB_OK, IDYES or IDNO
    // for MB_YESNO.
    virtual int MessageBox(const std::string& strText, int nType) = 0;

    // Every view of the document gets its update with nHint before the call returns; hint 1
    // invalidates without erasing.
    virtual void UpdateAllViews(int nHint) = 0;

    // Has strText (UTF-8, not empty) spoken by assistive technology after what the view says
    // about the board's latest change: an answer that no change of the board carries.
    virtual void Announce(const std::string& strText) = 0;

    // Whether the document has a first view (the one view of the window).
    virtual bool HasFirstView() const = 0;

    // The first view has painted before the call returns.
    virtual void PaintFirstViewNow() = 0;

    // The wait cursor shows between the two calls; they nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Arms the first view's think timer and progress display for nMilliseconds (> 0).
    virtual void StartThinkTimer(int nMilliseconds) = 0;

    // Runs the settings dialog modally on dlg's options; returns IDOK when it ended with
    // OK (dlg then holds the accepted values), else IDCANCEL.
    virtual int DoModalSettings(CSettingsDialog& dlg) = 0;

    // The message pump the engine uses while this application searches.
    virtual CMessagePump& MessagePump() = 0;

    // True once the application has been asked to quit; a running game then unwinds
    // without showing anything more.
    virtual bool IsQuitting() const = 0;

    // True while a modal window (a dialog, a message box, a file dialog) is open. The board
    // then takes no input by any path, as the window system blocks clicks on it.
    virtual bool IsModalWindowOpen() const = 0;
};
