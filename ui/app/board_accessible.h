// The board view on the accessibility interfaces, which screen readers read: one object
// "Spielbrett" whose description says what the human is to do and how many stones each side
// holds and has lost, with one child per board point named "<point> <content>". The texts
// come from DescribeBoard; this file only hands them to the toolkit and announces changes.
#pragma once

#include <array>

#include <QAccessibleWidget>

#include "board_accessible_text.h"

class CPelvarView;

// Lets the toolkit build a CBoardAccessible for every board view. Safe to call more than
// once; must run before the toolkit first asks for the view's interface.
void InstallBoardAccessibleFactory();

// Sends the accessibility events of BoardAccessibleChanges from before to after on pView's
// board (whether the view has the keyboard focus decides the focus event).
void NotifyBoardAccessibleChanges(CPelvarView* pView, const BoardAccessibleText& before,
                                  const BoardAccessibleText& after);

// Tells assistive technology which point has the focus (after the view has gained it).
void NotifyBoardFocus(CPelvarView* pView, int nFocusIndex);

// The interface of the board view. Its 24 children, in reading order (a7, d7, g7, b6, ...,
// g1), live as long as it does and are registered with the toolkit's interface cache, so
// that their identities stay stable for assistive technology.
class CBoardAccessible : public QAccessibleWidget {
public:
    explicit CBoardAccessible(CPelvarView* pView);
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
    std::array<QAccessibleInterface*, POINT_COUNT> m_apPoints{};
    std::array<QAccessible::Id, POINT_COUNT> m_anPointIds{};
};
