#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "paint_counter.h"
#include "position.h"
#include "progress_text.h"
#include "qt_message_pump.h"
#include "qt_search_pump.h"
#include "search.h"
#include "search_scope.h"
#include "serve_events.h"
#include "think_timer.h"

namespace {

Position StartPosition() {
    Position pos;
    return pos.ResetPosition();
}

// Installs a pump for the searches of one test and removes it again; the search's results
// stay for the test to read.
class CInstalledPump {
public:
    explicit CInstalledPump(CMessagePump& pump)
        : m_scope(&pump, CSearchScope::KEEP_RANDOM, CSearchScope::KEEP_RESULTS) {}

private:
    CSearchScope m_scope;
};

// One peek that says yes, one pump that serves the whole queue, then a peek that says no so
// that the search's drain ends; the next peek starts the next drain.
TEST(QtMessagePump, DrainIsOnePassOfTheQueue) {
    bool bQuit = false;
    CQtMessagePump pump([&] { return bQuit; });
    int nCalls = 0;
    QMetaObject::invokeMethod(
        qApp, [&] { ++nCalls; }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        qApp, [&] { ++nCalls; }, Qt::QueuedConnection);

    EXPECT_EQ(pump.PeekMessage(), 1);
    EXPECT_EQ(pump.PumpMessage(), 1);
    EXPECT_EQ(nCalls, 2);
    EXPECT_EQ(pump.Dispatches(), 1u);
    EXPECT_EQ(pump.PeekMessage(), 0);
    EXPECT_EQ(pump.PeekMessage(), 1);

    // A quit request raised by a handler inside the pass is reported by that pass.
    QMetaObject::invokeMethod(
        qApp, [&] { bQuit = true; }, Qt::QueuedConnection);
    EXPECT_EQ(pump.PumpMessage(), 0);
    EXPECT_EQ(pump.PeekMessage(), 0);

    // Once quitting, nothing more is served.
    QMetaObject::invokeMethod(
        qApp, [&] { ++nCalls; }, Qt::QueuedConnection);
    EXPECT_EQ(pump.PeekMessage(), 1);
    EXPECT_EQ(pump.PumpMessage(), 0);
    EXPECT_EQ(nCalls, 2);
    EXPECT_EQ(pump.Dispatches(), 2u);

    bQuit = false;
    QCoreApplication::processEvents();
    EXPECT_EQ(nCalls, 3);
}

// The whole road of a computer move: the think timer ends a 300 ms search through the Qt
// pump, not before its time, and the progress texts come in order with the idle text last.
// (How late after its time a search ends depends on the machine's load: the pump benchmark
// measures it.)
TEST(QtSearchPump, SearchEndsOnTimeWithProgress) {
    CQtSearchPump pump;
    CInstalledPump installed(pump.Pump());
    QStringList texts;
    CThinkTimer timer([&](const QString& str) { texts.append(str); });

    Position pos = StartPosition();
    QElapsedTimer clock;
    clock.start();
    timer.StartThinkTimer(300);
    const int bMoved = FindBestMove(pos, PLAYER_BLACK);
    const qint64 nElapsed = clock.elapsed();

    EXPECT_EQ(bMoved, 1);
    EXPECT_NE(pos, StartPosition());
    EXPECT_GE(nElapsed, 299);
    EXPECT_EQ(g_bSearchRunning, 0);
    EXPECT_GT(pump.QtPump().Dispatches(), 10u);

    ASSERT_TRUE(ServeEventsUntil([&] { return !timer.ProgressView().IsProgressActive(); }));
    QStringList expected;
    for (int nPercent = 10; nPercent <= 100; nPercent += 10) {
        expected.append(ProgressText(nPercent));
    }
    expected.append(IdleText());
    EXPECT_EQ(texts, expected);
}

// While the search runs, timers fire, the window repaints and a menu opens and paints. The
// ticker ends the search once it has seen all of that; the think timer only guards against
// a pump that serves nothing.
TEST(QtSearchPump, WindowStaysAliveDuringSearch) {
    CQtSearchPump pump;
    CInstalledPump installed(pump.Pump());
    CThinkTimer timer;
    QWidget window;
    window.resize(200, 150);
    CPaintCounter paints(&window);
    window.show();
    QMenu menu(&window);
    menu.addAction(QStringLiteral("&Autoplay"));
    menu.addAction(QStringLiteral("&Optionen"));
    CPaintCounter menuPaints(&menu);
    ASSERT_TRUE(ServeEventsUntil([&] { return paints.m_nPaints > 0; }));

    const int nPaintsBefore = paints.m_nPaints;
    int nTicks = 0;
    bool bInSearch = true;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        EXPECT_TRUE(bInSearch);
        ++nTicks;
        window.update();
        if (nTicks == 5) {
            menu.popup(window.mapToGlobal(QPoint(10, 10)));
        }
        if (nTicks >= 10 && paints.m_nPaints - nPaintsBefore >= 5 && menuPaints.m_nPaints >= 1) {
            g_bSearchRunning = 0;
        }
    });
    ticker.start(10);

    Position pos = StartPosition();
    timer.StartThinkTimer(HANG_GUARD_MS);
    FindBestMove(pos, PLAYER_BLACK);
    bInSearch = false;
    ticker.stop();

    EXPECT_GE(nTicks, 10);
    EXPECT_GE(paints.m_nPaints - nPaintsBefore, 5);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_GE(menuPaints.m_nPaints, 1);
    menu.hide();
}

// Quitting during a search: the application's quit flag is raised from a timer inside a
// 5 s search; the search stops in the message pass that raised it, counting no node after
// it, and posts the quit again, and the event loop that dispatched the search ends with code
// 0 once it has returned. runLoop runs the loop under test; a guard ends it with 99 should
// the quit be lost.
void QuitDuringSearch(const std::function<int()>& runLoop,
                      const std::function<void(int)>& exitLoop) {
    bool bQuit = false;
    CQtSearchPump pump([&] { return bQuit; });
    CInstalledPump installed(pump.Pump());
    CThinkTimer timer;
    std::uint64_t nPassesAtQuit = 0;
    std::int64_t nNodesAtQuit = -1;
    std::uint64_t nPassesAtReturn = 0;
    int bMoved = -1;

    QTimer::singleShot(0, qApp, [&] {
        Position pos = StartPosition();
        timer.StartThinkTimer(5000);
        bMoved = FindBestMove(pos, PLAYER_BLACK);
        nPassesAtReturn = pump.QtPump().Dispatches();
    });
    QTimer::singleShot(100, Qt::PreciseTimer, qApp, [&] {
        bQuit = true;
        nPassesAtQuit = pump.QtPump().Dispatches();
        nNodesAtQuit = g_nNodeCount;
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] { exitLoop(99); });
    guard.start(HANG_GUARD_MS);

    const int nExitCode = runLoop();

    EXPECT_EQ(nExitCode, 0);
    EXPECT_EQ(bMoved, 1);
    ASSERT_GT(nNodesAtQuit, 0);
    EXPECT_EQ(g_nNodeCount, nNodesAtQuit);
    EXPECT_EQ(nPassesAtReturn, nPassesAtQuit + 1);
    EXPECT_EQ(g_bSearchRunning, 0);
}

TEST(QtSearchPump, QuitDuringSearchEndsMainLoop) {
    QuitDuringSearch([] { return QApplication::exec(); },
                     [](int nCode) { QCoreApplication::exit(nCode); });
}

TEST(QtSearchPump, QuitDuringSearchEndsNestedLoop) {
    QEventLoop loop;
    QuitDuringSearch([&] { return loop.exec(); }, [&](int nCode) { loop.exit(nCode); });
}

}  // namespace
