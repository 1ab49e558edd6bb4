#include <gtest/gtest.h>

#include "dialog_units.h"

namespace {

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(10, 6, 4), 15);
    EXPECT_EQ(MulDiv(7, 6, 4), 11);   // 10.5
    EXPECT_EQ(MulDiv(5, 6, 4), 8);    // 7.5
    EXPECT_EQ(MulDiv(-5, 6, 4), -8);  // -7.5
    EXPECT_EQ(MulDiv(3, 13, 8), 5);   // 4.875
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 2), -1);  // does not fit: the overflow result
}

// A dialog of the usual 8-point font: 6 x 13 pixel base units.
TEST(DialogUnits, RectangleConversion) {
    const DialogBaseUnits base{6, 13};
    EXPECT_EQ(DialogUnitsToPixels(QRect(129, 7, 50, 14), base), QRect(194, 11, 75, 23));
    EXPECT_EQ(DialogUnitsToPixels(QRect(0, 0, 186, 76), base), QRect(0, 0, 279, 124));
}

}  // namespace
