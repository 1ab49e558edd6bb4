// The game in the real window with the real message pump and think timer: the computer's
// reply within its think time, the menu's state while a search runs, and quitting in the
// middle of a computer move or of autoplay.
#include <QtTest>

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
    void computerRepliesWithinItsThinkTime();
    void menuDuringASearch();
    void quitDuringTheComputersMove();
    void quitDuringAutoplay();
};

void CGameWindowTest::computerRepliesWithinItsThinkTime() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CPelvarDoc& doc = app.Document();
    doc.m_dlgSettings.m_dSecondsPerMove = 0.3;
    QStringList texts;
    QElapsedTimer clock;
    qint64 nReplyMs = -1;
    QTimer::singleShot(0, [&] {
        clock.start();
        ClickCell(app.Frame(), 0, 0);
        nReplyMs = clock.elapsed();
        texts << app.Frame().MessageText();
        app.Frame().close();
    });
    QCOMPARE(app.Run(), 0);
    QVERIFY2(nReplyMs >= 290 && nReplyMs < 2000, qPrintable(QString::number(nReplyMs)));
    QCOMPARE(doc.m_posCurrent.Cell(0, 0), PLAYER_WHITE);
    QCOMPARE(doc.m_posCurrent.Hand(PLAYER_BLACK), 8);
    QCOMPARE(doc.m_nState, static_cast<int>(STATE_PLACE));
    // From nine tenths of the think time on the pane shows the idle text again.
    QCOMPARE(texts.value(0), QStringLiteral("Bereit"));
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
    QTimer::singleShot(150, [&] {
        // Runs inside the search's message dispatch.
        QCOMPARE(doc.m_nState, static_cast<int>(STATE_THINKING));
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

// "&Beenden" a few hundred milliseconds into a search with an hour of think time: the
// program ends at once with status 0, without another message box.
void CGameWindowTest::quitDuringTheComputersMove() {
    auto pApp = std::make_unique<CPelvarApp>();
    QVERIFY(pApp->InitInstance(QByteArray()));
    CPelvarDoc& doc = pApp->Document();
    doc.m_dlgSettings.m_dSecondsPerMove = 3600;
    bool bBoxSeen = false;
    CModalAnswerer watch([](QWidget* pBox) { pBox->close(); }, &bBoxSeen, 3000);
    QElapsedTimer clock;
    qint64 nQuitAt = -1;
    QTimer::singleShot(0, [&] { ClickCell(pApp->Frame(), 0, 0); });
    QTimer::singleShot(300, [&] {
        nQuitAt = clock.elapsed();
        pApp->Frame().OnCommand(ID_APP_EXIT);
    });
    clock.start();
    QCOMPARE(pApp->Run(), 0);
    const qint64 nEndedAt = clock.elapsed();
    QVERIFY(nQuitAt >= 0);
    QVERIFY2(nEndedAt - nQuitAt < 500, qPrintable(QString::number(nEndedAt - nQuitAt)));
    QVERIFY(!bBoxSeen);
    QVERIFY(!doc.IsBusy());
    pApp.reset();
}

void CGameWindowTest::quitDuringAutoplay() {
    auto pApp = std::make_unique<CPelvarApp>();
    QVERIFY(pApp->InitInstance(QByteArray()));
    pApp->Document().m_dlgSettings.m_dSecondsPerMove = 0.05;
    QElapsedTimer clock;
    qint64 nQuitAt = -1;
    int nStateAtQuit = -1;
    QTimer::singleShot(0, [&] { pApp->Frame().OnCommand(ID_AUTOPLAY); });
    QTimer::singleShot(400, [&] {
        nQuitAt = clock.elapsed();
        nStateAtQuit = pApp->Document().m_nState;
        pApp->Frame().close();
    });
    clock.start();
    QCOMPARE(pApp->Run(), 0);
    QVERIFY(nQuitAt >= 0);
    QVERIFY2(clock.elapsed() - nQuitAt < 500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(nStateAtQuit, static_cast<int>(STATE_AUTOPLAY));
    QVERIFY(!pApp->Document().IsBusy());
    pApp.reset();
}

QTEST_MAIN(CGameWindowTest)
#include "game_window_test.moc"
