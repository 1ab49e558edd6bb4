// The window that shows the document, as the framework services reach it: they update and
// paint its view, start its think timer and own their boxes and dialogs by it, without
// knowing the main window's class.
#pragma once

#include <string>

class QWidget;

class CDocumentWindow {
public:
    // The top-level widget that owns the document's message boxes and dialogs.
    virtual QWidget* OwnerWidget() = 0;
    // The view's update for nHint, then the commands enabled by the document's state.
    virtual void UpdateDocumentView(int nHint) = 0;
    // strText queued for assistive technology by the view, after the board's latest change.
    virtual void AnnounceInView(const std::string& strText) = 0;
    // The view painted before the call returns.
    virtual void PaintViewNow() = 0;
    // The view's think timer started for nMilliseconds.
    virtual void StartThinkTimer(int nMilliseconds) = 0;
    // What the view has still to tell a screen reader is told before the call returns: a
    // message box about to open comes after the turn that led to it.
    virtual void AnnounceNow() = 0;

protected:
    ~CDocumentWindow() = default;
};
