// The view: clicks to grid squares with every index passed on, the right button's cancel,
// modifiers and double clicks, the state cursors, and erasing only where a repaint needs it.
#include <QTest>

#include "board_mapping.h"
#include "main_frame.h"
#include "pelvar_app.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "resource_images.h"
#include "test_support.h"
#include "window_test_suite.h"

namespace {

// The device pixel at the centre of grid square (nRow, nCol): the row along x.
QPoint SquareCentre(int nRow, int nCol) {
    return QPoint(LogicalToDeviceX(GridCoordinate(nRow)), LogicalToDeviceY(GridCoordinate(nCol)));
}

void SendDoubleClick(QWidget* pWidget, const QPoint& point, Qt::MouseButton button) {
    const QPointF local(point);
    QMouseEvent event(QEvent::MouseButtonDblClick, local, pWidget->mapToGlobal(local), button,
                      button, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &event);
}

}  // namespace

class CPelvarViewTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void leftClickPicksTheSquareUnderTheMouse_data();
    void leftClickPicksTheSquareUnderTheMouse();
    void clicksOffTheBoardAreNotClamped();
    void rightClickDropsThePick();
    void doubleClickReachesNoHandler();
    void cursorFollowsState();
    void onlyDocumentRepaintsSkipTheErase();

private:
    std::unique_ptr<CPelvarApp> m_pApp;
    CPelvarView* View() const { return m_pApp->Frame().View(); }
    CPelvarDoc& Doc() const { return m_pApp->Document(); }
};

void CPelvarViewTest::init() {
    m_pApp = std::make_unique<CPelvarApp>();
    QVERIFY(m_pApp->InitInstance(QByteArray()));
    QVERIFY(QTest::qWaitForWindowExposed(&m_pApp->Frame()));
    SetUpSlidingGame(Doc());
}

void CPelvarViewTest::cleanup() {
    m_pApp.reset();
}

void CPelvarViewTest::leftClickPicksTheSquareUnderTheMouse_data() {
    QTest::addColumn<int>("nRow");
    QTest::addColumn<int>("nCol");
    QTest::addColumn<int>("nModifiers");
    QTest::newRow("(0,3) row from x") << 0 << 3 << int(Qt::NoModifier);
    QTest::newRow("(3,0) column from y") << 3 << 0 << int(Qt::NoModifier);
    QTest::newRow("(6,0) with Shift") << 6 << 0 << int(Qt::ShiftModifier);
    QTest::newRow("(0,0) with Ctrl") << 0 << 0 << int(Qt::ControlModifier);
}

void CPelvarViewTest::leftClickPicksTheSquareUnderTheMouse() {
    QFETCH(int, nRow);
    QFETCH(int, nCol);
    QFETCH(int, nModifiers);
    QTest::mouseClick(View(), Qt::LeftButton, Qt::KeyboardModifiers(nModifiers),
                      SquareCentre(nRow, nCol));
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SLIDE_TARGET));
    QCOMPARE(Doc().m_nSelRow, nRow);
    QCOMPARE(Doc().m_nSelCol, nCol);
}

void CPelvarViewTest::clicksOffTheBoardAreNotClamped() {
    // White stones stand on (6,0), (0,0) and, for this test, (0,6): a click beyond the
    // board's last grid line or in the margin before the first must not be taken for them.
    Doc().m_posCurrent.Cell(0, 6) = PLAYER_WHITE;
    const QList<QPoint> points = {
        QPoint(LogicalToDeviceX(GridCoordinate(7)), SquareCentre(6, 0).y()),   // row 7
        QPoint(LogicalToDeviceX(GridCoordinate(8)), SquareCentre(6, 0).y()),   // white's hand
        QPoint(SquareCentre(0, 0).x(), LogicalToDeviceY(GridCoordinate(7))),   // column 7
        QPoint(LogicalToDeviceX(-GridCoordinate(0)), SquareCentre(0, 0).y()),  // row -1
    };
    for (const QPoint& point : points) {
        QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, point);
        QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SELECT_SLIDE));
    }
    // The margin left of and above the board still belongs to square 0 (logical -312..0).
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(LogicalToDeviceX(-200), LogicalToDeviceY(-200)));
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SLIDE_TARGET));
    QCOMPARE(Doc().m_nSelRow, 0);
    QCOMPARE(Doc().m_nSelCol, 0);
}

void CPelvarViewTest::rightClickDropsThePick() {
    QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, SquareCentre(0, 3));
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SLIDE_TARGET));
    QTest::mouseClick(View(), Qt::RightButton, Qt::ControlModifier, SquareCentre(4, 4));
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SELECT_SLIDE));
    QCOMPARE(Doc().m_nSelRow, 0);

    // A capture cannot be taken back.
    Doc().m_nState = STATE_CAPTURE;
    QTest::mouseClick(View(), Qt::RightButton, Qt::NoModifier, SquareCentre(0, 3));
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_CAPTURE));
}

void CPelvarViewTest::doubleClickReachesNoHandler() {
    // The toolkit reports the second press of a double click as a double-click event; taken
    // for a press it would pick the white stone, or drop the picked one.
    SendDoubleClick(View(), SquareCentre(0, 3), Qt::LeftButton);
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SELECT_SLIDE));
    Doc().m_nState = STATE_JUMP_TARGET;
    SendDoubleClick(View(), SquareCentre(0, 3), Qt::RightButton);
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_JUMP_TARGET));
}

void CPelvarViewTest::cursorFollowsState() {
    // On each mouse movement: the wait cursor while the computer thinks or plays alone, else
    // the state's own picture; a state without a cursor keeps the one shown. A change of
    // state alone, even with a repaint, changes nothing until the mouse moves.
    const auto shows = [this](int nCursorId) {
        const QCursor cursor = View()->cursor();
        if (nCursorId == 0) {
            return cursor.shape() == Qt::WaitCursor;
        }
        return cursor.shape() == Qt::BitmapCursor &&
               cursor.pixmap().toImage() == LoadResourceCursor(nCursorId).pixmap().toImage() &&
               cursor.hotSpot() == LoadResourceCursor(nCursorId).hotSpot();
    };
    const QList<QPair<int, int>> expected = {
        {STATE_THINKING, 0},      {STATE_PLACE, 106},        {STATE_CAPTURE, 107},
        {STATE_AUTOPLAY, 0},      {STATE_SELECT_SLIDE, 108}, {STATE_SLIDE_TARGET, 110},
        {STATE_SELECT_JUMP, 109}, {STATE_JUMP_TARGET, 110},  {9, 110},
    };
    int nShown = -1;
    int nStep = 0;
    for (const auto& [nState, nCursorId] : expected) {
        Doc().m_nState = nState;
        Doc().RedrawNow();
        if (nShown >= 0) {
            QVERIFY2(shows(nShown),
                     qPrintable(QStringLiteral("state %1 before the move").arg(nState)));
        }
        QTest::mouseMove(View(), SquareCentre(nStep % 7, (nStep + 1) % 7));
        ++nStep;
        QVERIFY2(shows(nCursorId), qPrintable(QStringLiteral("state %1").arg(nState)));
        nShown = nCursorId;
    }
}

void CPelvarViewTest::onlyDocumentRepaintsSkipTheErase() {
    CPelvarView* pView = View();
    pView->OnUpdate(1);
    pView->repaint();
    QVERIFY(!pView->LastPaintErased());

    pView->OnUpdate(0);
    pView->repaint();
    QVERIFY(pView->LastPaintErased());

    // Both kinds pending: the erase wins.
    pView->OnUpdate(1);
    pView->OnUpdate(0);
    pView->repaint();
    QVERIFY(pView->LastPaintErased());

    // A resize between the document's update and its paint erases.
    pView->OnUpdate(1);
    m_pApp->Frame().resize(m_pApp->Frame().size() + QSize(20, 10));
    pView->repaint();
    QVERIFY(pView->LastPaintErased());

    // A repaint of the toolkit's own erases.
    pView->repaint();
    QVERIFY(pView->LastPaintErased());

    // The document's repaint path: update with hint 1, then the synchronous paint.
    Doc().RedrawNow();
    QVERIFY(!pView->LastPaintErased());
}

QTEST_MAIN(CPelvarViewTest)
#include "view_test.moc"
