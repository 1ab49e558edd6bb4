// The view: the main window's client area. It paints the game from the document, turns the
// mouse and the board's keys into game input and keeps assistive technology told of the
// board; it holds no game state of its own.
#pragma once

#include <QAccessible>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "board_accessible_text.h"
#include "board_announcement.h"
#include "think_timer.h"

class CAnnouncementChannel;
class CPelvarDoc;
class QPainter;

class CPelvarView : public QWidget, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    // doc must outlive the view.
    explicit CPelvarView(CPelvarDoc& doc, QWidget* pParent = nullptr);
    ~CPelvarView() override;

    CPelvarDoc& GetDocument() const { return m_doc; }

    // Invalidates the whole client area: hint 1 (the document's own repaints) without
    // erasing, every other hint with erasing. The paint follows from the event loop, or at
    // once from repaint(). Assistive technology learns at once what changed on the board.
    void OnUpdate(int nHint);

    // Sends the accessibility events for whatever changed on the board since the last call
    // (names of points, what to do, the picked stone, the focus); nothing when nothing did.
    // What a screen reader must say about the change waits for the next pass of the event
    // loop, so that the steps of one turn are spoken as one announcement. For document
    // changes that come without a repaint after them.
    void UpdateAccessible();

    // Adds strText to the waiting announcement and has it sent at the next pass of the event
    // loop; nothing for "".
    void Announce(const std::string& strText);

    // Arms the think timer and the progress display for nMilliseconds; the progress texts
    // go to fnShowStatusText (the main window's message pane) when one is set.
    void StartThinkTimer(int nMilliseconds);
    void SetStatusTextFn(CProgressView::StatusTextFn fnShowStatusText);
    const CThinkTimer& ThinkTimer() const { return m_thinkTimer; }

    // Sends what waits for assistive technology now, whether or not the window is active
    // (before a message box opens over it).
    void AnnounceNow();

    // Whether the last paint filled the background before drawing.
    bool LastPaintErased() const { return m_bLastPaintErased; }

protected:
    // Draws the game picture with the view's mapping. The background is already erased
    // where the repaint asked for it.
    void OnDraw(QPainter& painter);

    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void OnLButtonDown(const QPoint& point);
    void OnRButtonDown();
    // Shows the cursor of the document's state over the client area.
    void UpdateCursor();
    // Sends what waits once this window is active and assistive technology listens.
    void SendAnnouncements();
    // What waits is sent once assistive technology listens: before that the toolkit drops
    // every event (the welcome of a window that opens before the screen reader has found it).
    void accessibilityActiveChanged(bool bActive) override;

    CPelvarDoc& m_doc;
    CThinkTimer m_thinkTimer;        // timers 1 and 2 with the percentage on display
    bool m_bErasePending = true;     // an update that erases waits for its paint
    bool m_bNoErasePending = false;  // a hint-1 update waits for its paint
    bool m_bLastPaintErased = false;
    int m_nCursorShown = -1;  // the cursor id set last; -1 none yet, WAIT_CURSOR the wait cursor
    BoardAccessibleText m_accessibleShown;  // the board as assistive technology was last told
    CBoardAnnouncer m_announcer;            // what to say when the board changes, and on demand
    std::unique_ptr<CAnnouncementChannel> m_pAnnouncements;
    static constexpr qsizetype MAX_PENDING_ANNOUNCEMENTS = 8;
    QStringList m_pendingAnnouncements;  // wait for m_sendTimer, oldest first
    QString m_lastAnnouncement;          // the last one sent, for the key that repeats it
    QTimer m_sendTimer;                  // single shot, 0 ms: the next pass of the event loop
};
