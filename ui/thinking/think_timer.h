// The think timer that ends the computer's search, with the progress display it restarts.
#pragma once

#include <QObject>
#include <QTimer>

#include "progress_view.h"

// Timer 1 of the board view: single-shot, T after it was armed it clears g_bSearchRunning
// once and stops, so an idle game is not woken by it. Every search arms it again before it
// starts (the search sets the flag at its own start, after the arming); a search that ends
// before T leaves one firing due, which finds no search to end. A precise timer, as coarse
// timers may fire up to 5 % late. Runs on the user interface thread.
class CThinkTimer : public QObject {
    Q_OBJECT

public:
    explicit CThinkTimer(CProgressView::StatusTextFn fnShowStatusText = {},
                         QObject* pParent = nullptr);

    // Arms the think timer before a search with the think time nMilliseconds (the caller
    // passes at least 1; smaller values count as 1), in this order: stops the think timer,
    // restarts the progress display (StartProgress), then arms the think timer to fire once
    // after nMilliseconds. Re-arming restarts the wait.
    void StartThinkTimer(int nMilliseconds);

    // Callback of the think timer: clears g_bSearchRunning and nothing else.
    static void ThinkTimerProc();

    CProgressView& ProgressView() { return m_progressView; }
    const CProgressView& ProgressView() const { return m_progressView; }
    bool IsThinkTimerActive() const { return m_thinkTimer.isActive(); }
    int ThinkTimerInterval() const { return m_thinkTimer.interval(); }

private:
    QTimer m_thinkTimer;  // timer 1
    CProgressView m_progressView;
};
