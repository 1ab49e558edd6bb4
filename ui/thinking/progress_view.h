// The progress display of the status bar: the elapsed part of the computer's think time.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

// Timer 2 of the board view: periodic with a tenth of the think time T (at least 1 ms); it
// starts at 10 percent and adds 10 per tick, so "Bereit" replaces the progress text from nine
// tenths of T on, before the think timer ends the search at T. A precise timer: coarse timers
// may fire up to 5 % late. The percentage measures elapsed time, not work done; a search that
// ends early leaves the display counting up to 100 as usual. A tick that comes due while
// nobody serves the event queue runs at the next pass, and several due ticks arrive as one,
// so the display may lag behind the clock.
//
// Everything runs on the user interface thread; during a search the callback runs inside the
// search's message pump.
class CProgressView : public QObject {
    Q_OBJECT

public:
    // Shows a text in the main window's message pane. Empty while there is no main
    // window: the texts are then skipped and the timer runs as usual.
    using StatusTextFn = std::function<void(const QString&)>;

    explicit CProgressView(StatusTextFn fnShowStatusText = {}, QObject* pParent = nullptr);
    ~CProgressView() override;
    CProgressView(const CProgressView&) = delete;
    CProgressView& operator=(const CProgressView&) = delete;

    void SetStatusTextFn(StatusTextFn fnShowStatusText);

    // Restarts the display for the think time nMilliseconds, in this order: stops the
    // progress timer; the percentage becomes 10; this object becomes g_pProgressView (a
    // display that another object was running stops, since there is one status bar); the
    // progress text for 10 is shown; the progress timer starts with
    // ProgressInterval(nMilliseconds).
    void StartProgress(int nMilliseconds);

    // Callback of the progress timer, working on g_pProgressView (nothing when it is null):
    //   1. adds 10 to its percentage;
    //   2. shows the progress text for the new value;
    //   3. at 100 or more shows "Bereit", then stops its progress timer.
    static void ProgressTimerProc();

    // The percentage on display; meaningless before the first StartProgress.
    int Progress() const { return m_nProgress; }
    bool IsProgressActive() const { return m_progressTimer.isActive(); }
    int ProgressTimerInterval() const { return m_progressTimer.interval(); }

private:
    void ShowStatusText(const QString& strText) const;

    StatusTextFn m_fnShowStatusText;
    QTimer m_progressTimer;  // timer 2
    int m_nProgress = 0;     // percentage on display
};

// The display that runs: the last one that called StartProgress, or null before that and
// after it was destroyed. The timer's callback works through it, as the one status bar
// shows one display.
extern CProgressView* g_pProgressView;
