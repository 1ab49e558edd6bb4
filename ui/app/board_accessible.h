// The board view on the accessibility interfaces, which screen readers read: one object
// "Spielbrett" whose description says what the human is to do and how many stones each side
// holds and has lost, with one child per board point named "<point> <content>". The texts
// come from DescribeBoard; this file only hands them to the toolkit and announces changes.
// It knows the board view only as a widget beside the document it shows.
#pragma once

#include <array>
#include <deque>

#include <QAccessibleWidget>

#include "board_accessible_text.h"

class CPelvarDoc;

// Sends the accessibility events of BoardAccessibleChanges from before to after on pView's
// board (whether the view has the keyboard focus decides the focus event).
void NotifyBoardAccessibleChanges(QWidget* pView, const BoardAccessibleText& before,
                                  const BoardAccessibleText& after);

// From now on, when the board view gains the keyboard focus, assistive technology is told
// that its focused point has it, in place of the board. Once per process, before the first
// view shows.
void InstallBoardFocusForwarding();

// The channel through which the board's announcements reach a screen reader without moving
// its focus. Where the toolkit has announcement events (Qt 6.8 and later), each is one such
// event from the focused point (or the board), which screen readers speak as it is, without
// a role word. Before
// that, each is an accessible notification beside the board's points that has no widget and
// paints nothing: screen readers speak a notification as it is shown, whatever has the
// focus, while they ignore renamed cells. Each notification is named once: a screen reader
// reads the name when it comes to the event, which may be after the next announcement.
class CAnnouncementChannel {
public:
    explicit CAnnouncementChannel(QWidget* pView) : m_pView(pView) {}
    ~CAnnouncementChannel();
    CAnnouncementChannel(const CAnnouncementChannel&) = delete;
    CAnnouncementChannel& operator=(const CAnnouncementChannel&) = delete;

    // Sends strText (not empty) to assistive technology now.
    void Announce(const QString& strText);

private:
    QWidget* m_pView;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // The latest notifications stay for a screen reader to read; older ones are deleted.
    static constexpr std::size_t KEPT_NOTIFICATIONS = 16;
    std::deque<QAccessible::Id> m_kept;
#endif
};

// The interface of the board view pView, which shows doc; the toolkit makes one through the
// factory the view installs. Its 24 children, in reading order (a7, d7, g7, b6, ...,
// g1), live as long as it does and are registered with the toolkit's interface cache, so
// that their identities stay stable for assistive technology.
class CBoardAccessible : public QAccessibleWidget {
public:
    // doc must outlive the interface; the points' actions act on it.
    CBoardAccessible(QWidget* pView, CPelvarDoc& doc);
    ~CBoardAccessible() override;
    CBoardAccessible(const CBoardAccessible&) = delete;
    CBoardAccessible& operator=(const CBoardAccessible&) = delete;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int nIndex) const override;
    int indexOfChild(const QAccessibleInterface* pChild) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    const CPelvarDoc& m_doc;
    std::array<QAccessibleInterface*, POINT_COUNT> m_apPoints{};
    std::array<QAccessible::Id, POINT_COUNT> m_anPointIds{};
};
