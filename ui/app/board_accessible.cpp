#include "board_accessible.h"

#include <optional>

#include <QAccessibleEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "board_mapping.h"
#include "pelvar_doc.h"
#include "user_texts.h"

namespace {

// Half the side of a point's box for assistive technology: the highlight's radius, which
// takes in the stone and its shadow.
constexpr int POINT_BOX_HALF = 275;

// The box of point nIndex in the view's client pixels.
QRect PointBox(int nIndex) {
    const BoardPoint point = PointAtReadingIndex(nIndex);
    const int x = GridCoordinate(point.nRow);
    const int y = GridCoordinate(point.nCol);
    return QRect(
        QPoint(LogicalToDeviceX(x - POINT_BOX_HALF), LogicalToDeviceY(y - POINT_BOX_HALF)),
        QPoint(LogicalToDeviceX(x + POINT_BOX_HALF) - 1, LogicalToDeviceY(y + POINT_BOX_HALF) - 1));
}

// An object of the board without a widget and without children of its own: the board
// view is its parent and window; it is gone when the view is.
class CBoardLeafAccessible : public QAccessibleInterface {
public:
    explicit CBoardLeafAccessible(QWidget* pView) : m_pView(pView) {}

    bool isValid() const override { return !m_pView.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_pView.isNull() ? nullptr : m_pView->window()->windowHandle();
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_pView.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<QWidget> m_pView;
};

// One board point: no object of its own, no children; everything is read from the document
// at the moment it is asked for. Its one action, the default one that braille displays
// route to, does what Return does on the point.
class CPointAccessible final : public CBoardLeafAccessible, public QAccessibleActionInterface {
public:
    CPointAccessible(QWidget* pView, CPelvarDoc& doc, int nIndex)
        : CBoardLeafAccessible(pView), m_doc(doc), m_nIndex(nIndex) {}

    // The name says the point and its content. A point has no description: screen readers
    // speak a focused cell's description after its name at every move of the focus (the
    // task, again and again), and Orca 48 speaks one it has cached when the task has changed
    // since; the task is the board's description and the S key's.
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || m_pView.isNull()) {
            return QString();
        }
        return QString::fromStdString(
            PointAccessibleName(m_doc.m_posCurrent, PointAtReadingIndex(m_nIndex)));
    }

    QRect rect() const override {
        if (m_pView.isNull()) {
            return QRect();
        }
        const QRect box = PointBox(m_nIndex);
        return QRect(m_pView->mapToGlobal(box.topLeft()), box.size());
    }

    QAccessible::Role role() const override { return QAccessible::Cell; }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& strAction) override {
        if (strAction == pressAction() && !m_pView.isNull()) {
            m_doc.OnPointAction(PointAtReadingIndex(m_nIndex));
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (m_pView.isNull()) {
            state.invalid = true;
            return state;
        }
        const BoardAccessibleText board = DescribeBoard(m_doc);
        state.focusable = true;
        state.selectable = true;
        state.focused = m_pView->hasFocus() && board.nFocusIndex == m_nIndex;
        state.selected = board.nSelectedIndex == m_nIndex;
        state.invisible = !m_pView->isVisible();
        return state;
    }

private:
    CPelvarDoc& m_doc;
    int m_nIndex;
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// One announcement: a notification named with its text.
class CNotificationAccessible final : public CBoardLeafAccessible {
public:
    CNotificationAccessible(QWidget* pView, const QString& strText)
        : CBoardLeafAccessible(pView), m_strText(strText) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? m_strText : QString();
    }
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    // Shown, so that screen readers take it for present; a notification with an empty state
    // is dropped as gone.
    QAccessible::State state() const override { return QAccessible::State(); }

private:
    QString m_strText;
};
#endif

}  // namespace

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
CAnnouncementChannel::~CAnnouncementChannel() = default;

void CAnnouncementChannel::Announce(const QString& strText) {
    // From the focused point while the board has the focus: a screen reader takes every event
    // of its focus, while it may drop a second announcement from another object that follows
    // the first within a tenth of a second (Orca 48 does).
    QAccessibleInterface* pSource = QAccessible::queryAccessibleInterface(m_pView);
    if (QAccessibleInterface* pFocus = pSource->focusChild()) {
        pSource = pFocus;
    }
    QAccessibleAnnouncementEvent event(pSource, strText);
    QAccessible::updateAccessibility(&event);
}
#else
CAnnouncementChannel::~CAnnouncementChannel() {
    for (QAccessible::Id nId : m_kept) {
        QAccessible::deleteAccessibleInterface(nId);
    }
}

void CAnnouncementChannel::Announce(const QString& strText) {
    auto* pNotification = new CNotificationAccessible(m_pView, strText);
    m_kept.push_back(QAccessible::registerAccessibleInterface(pNotification));
    QAccessibleEvent shown(pNotification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    if (m_kept.size() > KEPT_NOTIFICATIONS) {
        QAccessible::deleteAccessibleInterface(m_kept.front());
        m_kept.pop_front();
    }
}
#endif

void NotifyBoardAccessibleChanges(QWidget* pView, const BoardAccessibleText& before,
                                  const BoardAccessibleText& after) {
    for (const BoardAccessibleChange& change :
         BoardAccessibleChanges(before, after, pView->hasFocus())) {
        switch (change.nEvent) {
            case BOARD_EVENT_NAME:
            case BOARD_EVENT_FOCUS: {
                QAccessibleEvent event(pView, change.nEvent == BOARD_EVENT_NAME
                                                  ? QAccessible::NameChanged
                                                  : QAccessible::Focus);
                event.setChild(change.nIndex);
                QAccessible::updateAccessibility(&event);
                break;
            }
            case BOARD_EVENT_SELECTED_STATE:
            case BOARD_EVENT_FOCUSED_STATE: {
                QAccessible::State changed;
                changed.selected = change.nEvent == BOARD_EVENT_SELECTED_STATE;
                changed.focused = change.nEvent == BOARD_EVENT_FOCUSED_STATE;
                QAccessibleStateChangeEvent event(pView, changed);
                event.setChild(change.nIndex);
                QAccessible::updateAccessibility(&event);
                break;
            }
            default:
                break;
        }
    }
}

namespace {
QAccessible::UpdateHandler g_pfnNextUpdateHandler = nullptr;

// Sends every accessibility event on, with one change: the board's own focus event (the
// toolkit's, when the view gains the keyboard focus) is sent as the focus of its focused
// point. A screen reader then moves straight to the point. With the board's focus and the
// point's as two events, a screen reader that comes to the first before the second has
// arrived presents the board on its own (Orca 48: the window's title and the board's
// description twice) and only then the point.
void ForwardWithBoardFocusOnPoint(QAccessibleEvent* pEvent) {
    std::optional<QAccessibleEvent> pointFocus;
    if (pEvent->type() == QAccessible::Focus && pEvent->child() < 0) {
        auto* pBoard = dynamic_cast<CBoardAccessible*>(pEvent->accessibleInterface());
        const int nIndex = pBoard != nullptr ? pBoard->indexOfChild(pBoard->focusChild()) : -1;
        if (nIndex >= 0) {
            pointFocus.emplace(pEvent->object(), QAccessible::Focus);
            pointFocus->setChild(nIndex);
            pEvent = &*pointFocus;
        }
    }
    QAccessible::installUpdateHandler(g_pfnNextUpdateHandler);
    QAccessible::updateAccessibility(pEvent);
    QAccessible::installUpdateHandler(ForwardWithBoardFocusOnPoint);
}
}  // namespace

void InstallBoardFocusForwarding() {
    static const bool bInstalled = [] {
        g_pfnNextUpdateHandler = QAccessible::installUpdateHandler(ForwardWithBoardFocusOnPoint);
        return true;
    }();
    (void)bInstalled;
}

CBoardAccessible::CBoardAccessible(QWidget* pView, CPelvarDoc& doc)
    : QAccessibleWidget(pView, QAccessible::Grouping), m_doc(doc) {
    for (int nIndex = 0; nIndex < POINT_COUNT; ++nIndex) {
        const auto i = static_cast<std::size_t>(nIndex);
        m_apPoints[i] = new CPointAccessible(pView, doc, nIndex);
        m_anPointIds[i] = QAccessible::registerAccessibleInterface(m_apPoints[i]);
    }
}

CBoardAccessible::~CBoardAccessible() {
    // The cache owns the registered children; a child it has deleted already is skipped.
    for (QAccessible::Id nId : m_anPointIds) {
        QAccessible::deleteAccessibleInterface(nId);
    }
}

QString CBoardAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return QString::fromUtf8(TEXT_BOARD_NAME);
        case QAccessible::Description:
            return QString::fromStdString(DescribeBoard(m_doc).strDescription);
        default:
            return QAccessibleWidget::text(t);
    }
}

int CBoardAccessible::childCount() const {
    return POINT_COUNT;
}

QAccessibleInterface* CBoardAccessible::child(int nIndex) const {
    if (nIndex < 0 || nIndex >= POINT_COUNT) {
        return nullptr;
    }
    return m_apPoints[static_cast<std::size_t>(nIndex)];
}

int CBoardAccessible::indexOfChild(const QAccessibleInterface* pChild) const {
    for (int nIndex = 0; nIndex < POINT_COUNT; ++nIndex) {
        if (m_apPoints[static_cast<std::size_t>(nIndex)] == pChild) {
            return nIndex;
        }
    }
    return -1;
}

QAccessibleInterface* CBoardAccessible::childAt(int x, int y) const {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int nIndex = 0; nIndex < POINT_COUNT; ++nIndex) {
        if (PointBox(nIndex).contains(local)) {
            return child(nIndex);
        }
    }
    return nullptr;
}

QAccessibleInterface* CBoardAccessible::focusChild() const {
    if (!widget()->hasFocus()) {
        return nullptr;
    }
    return child(ReadingIndexOfPoint(m_doc.m_focus));
}
