// The think timer that ends the computer's search and the progress display that shows the
// elapsed part of the think time in the status bar.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

// Two timers owned by the board view, which delegates to this object:
//   timer 1, the think timer: single-shot, T after it was armed it clears g_bSearchRunning
//     once and stops, so an idle game is not woken by it. Every search arms it again
//     before it starts (the search sets the flag at its own start, after the arming); a
//     search that ends before T leaves one firing due, which finds no search to end.
//   timer 2, the progress display: periodic with a tenth of T (at least 1 ms); it starts
//     at 10 percent and adds 10 per tick, so "Bereit" replaces the progress text from nine
//     tenths of T on, before the think timer ends the search at T.
// Both are precise timers: coarse timers may fire up to 5 % late. The percentage measures
// elapsed time, not work done; a search that ends early leaves the display counting up to
// 100 as usual. A tick that comes due while nobody serves the event queue runs at the next
// pass, and several due ticks arrive as one, so the display may lag behind the clock.
//
// Everything runs on the user interface thread; during a search the callbacks run inside
// the search's message pump.
class CThinkTimer : public QObject {
    Q_OBJECT

public:
    // Shows a text in the main window's message pane. Empty while there is no main
    // window: the texts are then skipped and the timers run as usual.
    using StatusTextFn = std::function<void(const QString&)>;

    explicit CThinkTimer(StatusTextFn fnShowStatusText = {}, QObject* pParent = nullptr);
    ~CThinkTimer() override;
    CThinkTimer(const CThinkTimer&) = delete;
    CThinkTimer& operator=(const CThinkTimer&) = delete;

    void SetStatusTextFn(StatusTextFn fnShowStatusText);

    // Arms both timers before a search with the think time nMilliseconds (the caller
    // passes at least 1; smaller values count as 1), in this order: stops the think timer,
    // restarts the progress display (StartProgress), then arms the think timer to fire once
    // after nMilliseconds. Re-arming restarts the wait.
    void StartThinkTimer(int nMilliseconds);

    // Restarts the progress display for the think time nMilliseconds, in this order: stops
    // the progress timer; the percentage becomes 10; this object becomes g_pProgressView
    // (a display that another object was running stops, since there is one status bar);
    // the progress text for 10 is shown; the progress timer starts with
    // ProgressInterval(nMilliseconds).
    void StartProgress(int nMilliseconds);

    // Callback of the think timer: clears g_bSearchRunning and nothing else.
    static void ThinkTimerProc();

    // Callback of the progress timer, working on g_pProgressView (nothing when it is null):
    //   1. adds 10 to its percentage;
    //   2. shows the progress text for the new value;
    //   3. at 100 or more shows "Bereit", then stops its progress timer.
    static void ProgressTimerProc();

    // The percentage on display; meaningless before the first StartProgress.
    int Progress() const { return m_nProgress; }

    // State of the two timers, for the owner and for tests.
    bool IsThinkTimerActive() const { return m_thinkTimer.isActive(); }
    int ThinkTimerInterval() const { return m_thinkTimer.interval(); }
    bool IsProgressActive() const { return m_progressTimer.isActive(); }
    int ProgressTimerInterval() const { return m_progressTimer.interval(); }

private:
    void ShowStatusText(const QString& strText) const;

    StatusTextFn m_fnShowStatusText;
    QTimer m_thinkTimer;     // timer 1
    QTimer m_progressTimer;  // timer 2
    int m_nProgress = 0;     // percentage on display
};

// The object whose progress display runs: the last one that called StartProgress, or null
// before that and after it was destroyed. The progress callback works through it, as the
// one status bar shows one display.
extern CThinkTimer* g_pProgressView;
