#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QStringList>
#include <memory>

#include "progress_text.h"
#include "search.h"
#include "serve_events.h"
#include "think_timer.h"

namespace {

// The texts the view would put into the status bar, in order.
struct StatusLog {
    QStringList texts;
    CProgressView::StatusTextFn Fn() {
        return [this](const QString& str) { texts.append(str); };
    }
};

// The full display of one think time: 10 % at the start, nine ticks, then the idle text.
QStringList FullDisplay() {
    QStringList texts;
    for (int nPercent = 10; nPercent <= 100; nPercent += 10) {
        texts.append(ProgressText(nPercent));
    }
    texts.append(IdleText());
    return texts;
}

TEST(ThinkTimer, StartArmsBothTimersAndShowsTenPercent) {
    StatusLog log;
    CThinkTimer timer(log.Fn());
    timer.StartThinkTimer(3000);
    EXPECT_TRUE(timer.IsThinkTimerActive());
    EXPECT_EQ(timer.ThinkTimerInterval(), 3000);
    EXPECT_TRUE(timer.ProgressView().IsProgressActive());
    EXPECT_EQ(timer.ProgressView().ProgressTimerInterval(), 300);
    EXPECT_EQ(timer.ProgressView().Progress(), 10);
    EXPECT_EQ(g_pProgressView, &timer.ProgressView());
    EXPECT_EQ(log.texts, QStringList{ProgressText(10)});

    // Below 10 ms the display ticks every millisecond; the think time stays as given.
    timer.StartThinkTimer(5);
    EXPECT_EQ(timer.ThinkTimerInterval(), 5);
    EXPECT_EQ(timer.ProgressView().ProgressTimerInterval(), 1);
}

// Each tick adds ten; the tenth text, for 100, is followed by the idle text and the display
// stops, while the think timer goes on.
TEST(ThinkTimer, ProgressTicksUpToReady) {
    StatusLog log;
    CThinkTimer timer(log.Fn());
    timer.StartThinkTimer(60000);
    for (int nTick = 1; nTick <= 8; ++nTick) {
        CProgressView::ProgressTimerProc();
        EXPECT_TRUE(timer.ProgressView().IsProgressActive());
    }
    CProgressView::ProgressTimerProc();
    EXPECT_EQ(timer.ProgressView().Progress(), 100);
    EXPECT_FALSE(timer.ProgressView().IsProgressActive());
    EXPECT_TRUE(timer.IsThinkTimerActive());
    EXPECT_EQ(log.texts, FullDisplay());
}

// With a think time below 10 ms the display runs at 1 ms a step, and the think timer still
// waits the whole think time; then it has stopped, so nothing wakes the idle game.
TEST(ThinkTimer, ShortThinkTimeRunsOnTheClock) {
    StatusLog log;
    CThinkTimer timer(log.Fn());
    g_bSearchRunning = 1;
    QElapsedTimer clock;
    clock.start();
    timer.StartThinkTimer(8);
    ASSERT_TRUE(ServeEventsUntil([] { return g_bSearchRunning == 0; }));
    EXPECT_GE(clock.elapsed(), 7);
    ASSERT_TRUE(ServeEventsUntil([&] { return !timer.ProgressView().IsProgressActive(); }));
    EXPECT_EQ(log.texts, FullDisplay());
    EXPECT_FALSE(timer.IsThinkTimerActive());
}

// Without a main window nothing is shown, but both timers run as usual.
TEST(ThinkTimer, WithoutStatusPaneTimersStillRun) {
    CThinkTimer timer;
    g_bSearchRunning = 1;
    timer.StartThinkTimer(30);
    EXPECT_TRUE(ServeEventsUntil([] { return g_bSearchRunning == 0; }));
    EXPECT_TRUE(ServeEventsUntil([&] { return !timer.ProgressView().IsProgressActive(); }));
    EXPECT_EQ(timer.ProgressView().Progress(), 100);
}

// A new start while the display is still counting (the next move of autoplay) restarts it
// at 10 % and restarts the think timer's period.
TEST(ThinkTimer, RestartBeginsAgainAtTenPercent) {
    StatusLog log;
    CThinkTimer timer(log.Fn());
    timer.StartThinkTimer(150);
    ASSERT_TRUE(ServeEventsUntil([&] { return timer.ProgressView().Progress() >= 50; }));

    log.texts.clear();
    QElapsedTimer clock;
    clock.start();
    timer.StartThinkTimer(150);
    EXPECT_EQ(timer.ProgressView().Progress(), 10);
    EXPECT_EQ(log.texts, QStringList{ProgressText(10)});

    // The first period would have ended about 75 ms from here.
    g_bSearchRunning = 1;
    ASSERT_TRUE(ServeEventsUntil([] { return g_bSearchRunning == 0; }));
    EXPECT_GE(clock.elapsed(), 140);
    ASSERT_TRUE(ServeEventsUntil([&] { return !timer.ProgressView().IsProgressActive(); }));
    EXPECT_EQ(log.texts, FullDisplay());
}

// The progress callback works on the object that started the last display; that object's
// display is the only one running, and a destroyed one is forgotten.
TEST(ProgressView, TheCallbackWorksOnTheLastStarter) {
    CProgressView first;
    auto pSecond = std::make_unique<CProgressView>();
    first.StartProgress(1000);
    EXPECT_EQ(g_pProgressView, &first);
    pSecond->StartProgress(1000);
    EXPECT_EQ(g_pProgressView, pSecond.get());
    EXPECT_FALSE(first.IsProgressActive());

    CProgressView::ProgressTimerProc();
    EXPECT_EQ(pSecond->Progress(), 20);
    EXPECT_EQ(first.Progress(), 10);

    pSecond.reset();
    EXPECT_EQ(g_pProgressView, nullptr);
    CProgressView::ProgressTimerProc();
    EXPECT_EQ(first.Progress(), 10);
}

}  // namespace
