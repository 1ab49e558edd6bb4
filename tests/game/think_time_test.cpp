#include <limits>

#include <gtest/gtest.h>

#include "think_time.h"

namespace {

TEST(ThinkTime, SecondsTimesThousandTruncated) {
    EXPECT_EQ(ThinkTimeMilliseconds(3.5), 3500);
    EXPECT_EQ(ThinkTimeMilliseconds(0.5), 500);
    EXPECT_EQ(ThinkTimeMilliseconds(1.99), 1990);
    EXPECT_EQ(ThinkTimeMilliseconds(0.001), 1);
    EXPECT_EQ(ThinkTimeMilliseconds(10), 10000);
    EXPECT_EQ(ThinkTimeMilliseconds(3600), 3600000);
    EXPECT_EQ(ThinkTimeMilliseconds(0.0015), 1);
    EXPECT_EQ(ThinkTimeMilliseconds(2.9999), 2999);
}

// The double nearest to 2.01 lies below it: the product truncated would lose a millisecond.
TEST(ThinkTime, DropsOnlyTheFractionOfTheTypedDecimal) {
    ASSERT_LT(2.01 * 1000.0, 2010.0);
    EXPECT_EQ(ThinkTimeMilliseconds(2.01), 2010);
    EXPECT_EQ(ThinkTimeMilliseconds(1.001), 1001);
    EXPECT_EQ(ThinkTimeMilliseconds(4.35), 4350);
    EXPECT_EQ(ThinkTimeMilliseconds(0.29), 290);
}

TEST(ThinkTime, NeverZeroAndNeverBeyondTheLargestSetting) {
    EXPECT_EQ(ThinkTimeMilliseconds(0.0), 1);
    EXPECT_EQ(ThinkTimeMilliseconds(-5.0), 1);
    EXPECT_EQ(ThinkTimeMilliseconds(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(ThinkTimeMilliseconds(1e300), 3600000);
}

}  // namespace
