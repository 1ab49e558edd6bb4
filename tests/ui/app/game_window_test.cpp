// The game in the real window with the real message pump and think timer: the computer's
// reply after its think time, the menu's state while a search runs, and quitting in the
// middle of a computer move or of autoplay.
#include <QTest>

#include <QElapsedTimer>

#include "board_mapping.h"
#include "main_frame.h"
#include "pelvar_app.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "qt_framework_services.h"
#include "resource_ids.h"
#include "search.h"
#include "test_support.h"
#include "window_test_suite.h"

namespace {

// Clicks the board point of cell (nRow, nCol) in the view.
void ClickCell(CMainFrame& frame, int nRow, int nCol) {
    const QPoint point(LogicalToDeviceX(GridCoordinate(nRow)),
                       LogicalToDeviceY(GridCoordinate(nCol)));
    QTest::mouseClick(frame.View(), Qt::LeftButton, Qt::NoModifier, point);
}

}  // namespace

class CGameWindowTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void computerRepliesAfterItsThinkTime();
    void menuDuringASearch();
    void quitDuringTheComputersMove();
    void quitDuringAutoplay();
};

// The reply comes once the think time has passed, not before; the progress display then
// counts on to "Bereit". (How late after the think time the reply comes depends on the
// machine's load; the pump benchmark measures it.)
void CGameWindowTest::computerRepliesAfterItsThinkTime() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CPelvarDoc& doc = app.Document();
    doc.m_dlgSettings.m_dSecondsPerMove = 0.3;
    QElapsedTimer clock;
    qint64 nReplyMs = -1;
    std::unique_ptr<CWhen> pIdle;
    QTimer::singleShot(0, [&] {
        clock.start();
        ClickCell(app.Frame(), 0, 0);
        nReplyMs = clock.elapsed();
        pIdle = std::make_unique<CWhen>(
            [&] { return !app.Frame().View()->ThinkTimer().ProgressView().IsProgressActive(); },
            [&] { app.Frame().close(); });
    });
    QCOMPARE(app.Run(), 0);
    QVERIFY2(nReplyMs >= 290, qPrintable(QString::number(nReplyMs)));
    QCOMPARE(doc.m_posCurrent.Cell(0, 0), PLAYER_WHITE);
    QCOMPARE(doc.m_posCurrent.Hand(PLAYER_BLACK), 8);
    QCOMPARE(doc.m_nState, static_cast<int>(STATE_PLACE));
    QCOMPARE(app.Frame().MessageText(), QStringLiteral("Bereit"));
}

// While the computer thinks, "&Autoplay" and "&Optionen" are greyed and a triggered command
// starts nothing; the running search is not disturbed.
void CGameWindowTest::menuDuringASearch() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CPelvarDoc& doc = app.Document();
    CMainFrame& frame = app.Frame();
    doc.m_dlgSettings.m_dSecondsPerMove = 0.4;
    bool bChecked = false;
    // Runs inside the search's message dispatch.
    CWhen duringSearch([&] { return doc.m_nState == STATE_THINKING && g_nNodeCount > 0; },
                       [&] {
                           QVERIFY(!frame.CommandAction(ID_AUTOPLAY)->isEnabled());
                           QVERIFY(!frame.CommandAction(ID_OPTIONS)->isEnabled());
                           const int nDepth = g_nSearchDepth;
                           frame.CommandAction(ID_AUTOPLAY)->trigger();
                           frame.OnCommand(ID_AUTOPLAY);
                           frame.OnCommand(ID_OPTIONS);
                           QCOMPARE(QApplication::activeModalWidget(), nullptr);
                           QVERIFY(g_nSearchDepth >= nDepth);
                           QCOMPARE(g_bSearchRunning, 1);
                           bChecked = true;
                       });
    QTimer::singleShot(0, [&] {
        ClickCell(frame, 3, 1);
        frame.close();
    });
    QCOMPARE(app.Run(), 0);
    QVERIFY(bChecked);
    QCOMPARE(doc.m_posCurrent.Hand(PLAYER_WHITE), 8);
    QCOMPARE(doc.m_posCurrent.Hand(PLAYER_BLACK), 8);
    QVERIFY(frame.CommandAction(ID_AUTOPLAY)->isEnabled());
    QVERIFY(frame.CommandAction(ID_OPTIONS)->isEnabled());
}

// "&Beenden" in the middle of a search with an hour of think time: the program ends at once
// with status 0, without another message box. At once means that the search counts no node
// after the message pass that carried the command.
void CGameWindowTest::quitDuringTheComputersMove() {
    auto pApp = std::make_unique<CPelvarApp>();
    QVERIFY(pApp->InitInstance(QByteArray()));
    CPelvarDoc& doc = pApp->Document();
    doc.m_dlgSettings.m_dSecondsPerMove = 3600;
    bool bBoxSeen = false;
    CModalAnswerer watch([](QWidget* pBox) { pBox->close(); }, &bBoxSeen, 3000);
    std::int64_t nNodesAtQuit = -1;
    CWhen deepInSearch([&] { return doc.m_nState == STATE_THINKING && g_nSearchDepth >= 3; },
                       [&] {
                           nNodesAtQuit = g_nNodeCount;
                           pApp->Frame().OnCommand(ID_APP_EXIT);
                       });
    QTimer::singleShot(0, [&] { ClickCell(pApp->Frame(), 0, 0); });
    QCOMPARE(pApp->Run(), 0);
    QVERIFY(nNodesAtQuit > 0);
    QCOMPARE(g_nNodeCount, nNodesAtQuit);
    QVERIFY(!bBoxSeen);
    QVERIFY(!doc.IsBusy());
    pApp.reset();
}

// Closing the window during autoplay, inside one of its searches: the game ends at once with
// status 0; the search counts no node after the message pass that closed the window, and no
// further search starts.
void CGameWindowTest::quitDuringAutoplay() {
    auto pApp = std::make_unique<CPelvarApp>();
    QVERIFY(pApp->InitInstance(QByteArray()));
    CPelvarDoc& doc = pApp->Document();
    doc.m_dlgSettings.m_dSecondsPerMove = 0.05;
    std::int64_t nNodesAtQuit = -1;
    int nStateAtQuit = -1;
    const int nHandBefore = 9;
    CWhen laterMove(
        [&] {
            return doc.m_posCurrent.Hand(PLAYER_WHITE) < nHandBefore - 1 && g_nNodeCount > 0 &&
                   g_bSearchRunning;
        },
        [&] {
            nNodesAtQuit = g_nNodeCount;
            nStateAtQuit = doc.m_nState;
            pApp->Frame().close();
        });
    QTimer::singleShot(0, [&] { pApp->Frame().OnCommand(ID_AUTOPLAY); });
    QCOMPARE(pApp->Run(), 0);
    QVERIFY(nNodesAtQuit > 0);
    QCOMPARE(g_nNodeCount, nNodesAtQuit);
    QCOMPARE(nStateAtQuit, static_cast<int>(STATE_AUTOPLAY));
    QVERIFY(!doc.IsBusy());
    pApp.reset();
}

QTEST_MAIN(CGameWindowTest)
#include "game_window_test.moc"
