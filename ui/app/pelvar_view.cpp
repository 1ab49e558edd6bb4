#include "pelvar_view.h"

#include <cmath>
#include <utility>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "board_accessible.h"
#include "board_key_map.h"
#include "board_mapping.h"
#include "board_painter.h"
#include "pelvar_doc.h"
#include "resource_images.h"
#include "state_cursor.h"

namespace {
// m_nCursorShown for the wait cursor, which has no resource id.
constexpr int WAIT_CURSOR = -2;

// The toolkit asks this for the accessibility interface of every object it meets; the board
// view gets the interface that reads its document.
QAccessibleInterface* BoardAccessibleFactory(const QString& /*strClassName*/, QObject* pObject) {
    if (auto* pView = qobject_cast<CPelvarView*>(pObject)) {
        return new CBoardAccessible(pView, pView->GetDocument());
    }
    return nullptr;
}

// Installs the factory once per process, before the toolkit first asks for a view's
// interface.
void InstallBoardAccessibleFactory() {
    static const bool bInstalled = [] {
        QAccessible::installFactory(BoardAccessibleFactory);
        InstallBoardFocusForwarding();
        return true;
    }();
    (void)bInstalled;
}
}  // namespace

CPelvarView::CPelvarView(CPelvarDoc& doc, QWidget* pParent)
    : QWidget(pParent),
      m_doc(doc),
      m_accessibleShown(DescribeBoard(doc)),
      m_announcer(MomentOf(doc)),
      m_pAnnouncements(std::make_unique<CAnnouncementChannel>(this)) {
    // Repaints that the document asks for paint over the old picture instead of erasing it
    // first, which keeps the board from flickering; paintEvent erases where needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The board takes the keyboard focus by click and by Tab; the window gives it at start.
    setFocusPolicy(Qt::StrongFocus);
    InstallBoardAccessibleFactory();
    m_sendTimer.setSingleShot(true);
    m_sendTimer.setInterval(0);
    m_sendTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_sendTimer, &QTimer::timeout, this, &CPelvarView::SendAnnouncements);
    QAccessible::installActivationObserver(this);
    // The window opens with the welcome, said after the focused point.
    Announce(WelcomeText(doc.m_nState, {doc.m_nSelRow, doc.m_nSelCol}));
}

CPelvarView::~CPelvarView() {
    QAccessible::removeActivationObserver(this);
}

void CPelvarView::OnUpdate(int nHint) {
    if (nHint == HINT_REDRAW) {
        m_bNoErasePending = true;
    } else {
        m_bErasePending = true;
    }
    update();
    UpdateAccessible();
}

void CPelvarView::UpdateAccessible() {
    Announce(m_announcer.Observe(MomentOf(m_doc)));
    BoardAccessibleText now = DescribeBoard(m_doc);
    if (now == m_accessibleShown) {
        return;
    }
    // Stored first: the events may make assistive technology read the board at once.
    const BoardAccessibleText before = std::exchange(m_accessibleShown, std::move(now));
    NotifyBoardAccessibleChanges(this, before, m_accessibleShown);
}

void CPelvarView::Announce(const std::string& strText) {
    if (strText.empty()) {
        return;
    }
    // While the window is not active (autoplay behind another window) only the latest parts
    // are kept: what waits stays short enough to be spoken and cannot grow without end.
    if (m_pendingAnnouncements.size() == MAX_PENDING_ANNOUNCEMENTS) {
        m_pendingAnnouncements.removeFirst();
    }
    m_pendingAnnouncements.append(QString::fromStdString(strText));
    m_sendTimer.start();
}

void CPelvarView::SendAnnouncements() {
    // While a message box or dialog is the active window, the screen reader speaks that;
    // what waits is sent once this window is active again, after its focused point.
    if (isActiveWindow()) {
        AnnounceNow();
    }
}

void CPelvarView::accessibilityActiveChanged(bool bActive) {
    if (bActive) {
        m_sendTimer.start();
    }
}

void CPelvarView::AnnounceNow() {
    m_sendTimer.stop();
    if (QAccessible::isActive() && !m_pendingAnnouncements.isEmpty()) {
        m_lastAnnouncement = m_pendingAnnouncements.join(QLatin1Char(' '));
        m_pAnnouncements->Announce(m_lastAnnouncement);
        m_pendingAnnouncements.clear();
    }
}

void CPelvarView::StartThinkTimer(int nMilliseconds) {
    m_thinkTimer.StartThinkTimer(nMilliseconds);
}

void CPelvarView::SetStatusTextFn(CProgressView::StatusTextFn fnShowStatusText) {
    m_thinkTimer.ProgressView().SetStatusTextFn(std::move(fnShowStatusText));
}

void CPelvarView::OnDraw(QPainter& painter) {
    PaintBoard(painter, m_doc);
}

void CPelvarView::paintEvent(QPaintEvent* pEvent) {
    // A paint that no hint-1 update asked for (exposure, resize, the first show, a hint-0
    // update) erases: only the document's repaints rely on overpainting.
    const bool bErase = m_bErasePending || !m_bNoErasePending;
    m_bErasePending = false;
    m_bNoErasePending = false;
    m_bLastPaintErased = bErase;

    QPainter painter(this);
    // The system's window colour, the background of text and document windows.
    if (bErase) {
        painter.fillRect(pEvent->rect(), palette().color(QPalette::Base));
    }
    OnDraw(painter);
}

void CPelvarView::resizeEvent(QResizeEvent* pEvent) {
    m_bErasePending = true;
    QWidget::resizeEvent(pEvent);
}

void CPelvarView::showEvent(QShowEvent* pEvent) {
    m_bErasePending = true;
    QWidget::showEvent(pEvent);
}

void CPelvarView::mousePressEvent(QMouseEvent* pEvent) {
    // Shift, Ctrl and the other buttons held make no difference.
    switch (pEvent->button()) {
        case Qt::LeftButton:
            OnLButtonDown(QPoint(static_cast<int>(std::floor(pEvent->position().x())),
                                 static_cast<int>(std::floor(pEvent->position().y()))));
            break;
        case Qt::RightButton:
            OnRButtonDown();
            break;
        default:
            QWidget::mousePressEvent(pEvent);
            return;
    }
    pEvent->accept();
}

void CPelvarView::mouseDoubleClickEvent(QMouseEvent* pEvent) {
    // The second press of a double click reaches no handler: it is not a second click on the
    // board. (The base class would turn it into a press.)
    pEvent->accept();
}

void CPelvarView::mouseMoveEvent(QMouseEvent* pEvent) {
    UpdateCursor();
    QWidget::mouseMoveEvent(pEvent);
}

void CPelvarView::keyPressEvent(QKeyEvent* pEvent) {
    const int nKey =
        BoardKeyForKeyPress(pEvent->key(), pEvent->modifiers(), pEvent->isAutoRepeat());
    if (nKey == KEY_NOT_FOR_BOARD) {
        QWidget::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
    switch (nKey) {
        case KEY_SPEAK_SUMMARY:
            Announce(m_announcer.Summary());
            return;
        case KEY_SPEAK_POSITION:
            Announce(PositionText(m_doc.m_posCurrent));
            return;
        case KEY_REPEAT_ANNOUNCEMENT:
            Announce(m_lastAnnouncement.toStdString());
            return;
        default:
            break;
    }
    // The document decides what the key does; it repaints what changed.
    m_doc.OnBoardKey(nKey);
}

void CPelvarView::focusInEvent(QFocusEvent* pEvent) {
    QWidget::focusInEvent(pEvent);
    // The toolkit tells assistive technology of the focus after this handler, as the focus of
    // the focused point; what waits to be announced follows it.
    m_sendTimer.start();
}

void CPelvarView::changeEvent(QEvent* pEvent) {
    QWidget::changeEvent(pEvent);
    if (pEvent->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_sendTimer.start();
    }
}

void CPelvarView::OnLButtonDown(const QPoint& point) {
    // While the computer thinks the click is not even converted.
    if (m_doc.m_nState == STATE_THINKING) {
        return;
    }
    // Every grid index goes to the document, also those outside the board, which it ignores.
    const GridSquare square = GridSquareAtDevicePoint(point.x(), point.y());
    m_doc.OnFieldClick(square.nRow, square.nCol);
}

void CPelvarView::OnRButtonDown() {
    m_doc.OnCancelPick();
}

void CPelvarView::UpdateCursor() {
    const int nState = m_doc.m_nState;
    if (ShowsWaitCursor(nState)) {
        if (m_nCursorShown != WAIT_CURSOR) {
            setCursor(Qt::WaitCursor);
            m_nCursorShown = WAIT_CURSOR;
        }
        return;
    }
    const int nId = CursorIdForState(nState);
    if (nId != 0 && nId != m_nCursorShown) {
        setCursor(LoadResourceCursor(nId));
        m_nCursorShown = nId;
    }
}
