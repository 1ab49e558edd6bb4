#include <gtest/gtest.h>

#include "progress_text.h"
#include "serve_events.h"

namespace {

TEST(ProgressText, PercentInFieldOfThree) {
    EXPECT_EQ(ProgressText(10), QString("Suche besten Zug  10 %"));
    EXPECT_EQ(ProgressText(90), QString("Suche besten Zug  90 %"));
    EXPECT_EQ(ProgressText(100), QString("Suche besten Zug 100 %"));
    EXPECT_EQ(ProgressText(5), QString("Suche besten Zug   5 %"));
    EXPECT_EQ(ProgressText(1000), QString("Suche besten Zug 1000 %"));
    EXPECT_EQ(IdleText(), QString("Bereit"));
}

// A tenth of the think time, never 0.
TEST(ProgressText, IntervalIsTenthAtLeastOne) {
    EXPECT_EQ(ProgressInterval(3000), 300);
    EXPECT_EQ(ProgressInterval(3500), 350);
    EXPECT_EQ(ProgressInterval(25), 2);
    EXPECT_EQ(ProgressInterval(20), 2);
    EXPECT_EQ(ProgressInterval(19), 1);
    EXPECT_EQ(ProgressInterval(9), 1);
    EXPECT_EQ(ProgressInterval(1), 1);
    EXPECT_EQ(ProgressInterval(0), 1);
    EXPECT_EQ(ProgressInterval(3600000), 360000);
}

}  // namespace
