#include <cstdlib>

#include <gtest/gtest.h>

#include "board_mapping.h"

namespace {

TEST(BoardMapping, GridCoordinates) {
    const int anExpected[13] = {625,  1250, 1875, 2500, 3125, 3750, 4375,
                                5000, 5625, 6250, 6875, 7500, 8125};
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(GridCoordinate(k), anExpected[k]) << k;
    }
}

// The band edges of the click conversion, on the logical axis.
TEST(BoardMapping, LogicalToGridIndexBandEdges) {
    EXPECT_EQ(LogicalToGridIndex(936), 0);
    EXPECT_EQ(LogicalToGridIndex(937), 1);
    EXPECT_EQ(LogicalToGridIndex(-312), 0);
    EXPECT_EQ(LogicalToGridIndex(-313), -1);
    EXPECT_EQ(LogicalToGridIndex(0), 0);
    EXPECT_EQ(LogicalToGridIndex(4686), 6);
    EXPECT_EQ(LogicalToGridIndex(4687), 7);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(LogicalToGridIndex(GridCoordinate(k) - 313), k);
        EXPECT_EQ(LogicalToGridIndex(GridCoordinate(k) + 311), k);
        EXPECT_EQ(LogicalToGridIndex(GridCoordinate(k) + 312), k + 1);
    }
    EXPECT_EQ(LogicalToGridIndex(5625), 8);   // white's hand area
    EXPECT_EQ(LogicalToGridIndex(8437), 13);  // right edge of black's hand area
}

TEST(BoardMapping, DeviceAndLogicalAgree) {
    EXPECT_EQ(DeviceToLogicalX(30), 0);
    EXPECT_EQ(DeviceToLogicalY(30), 0);
    EXPECT_EQ(DeviceToLogicalX(30 + 850), 10000);
    EXPECT_EQ(DeviceToLogicalY(30 + 425), 5000);
    EXPECT_EQ(LogicalToDeviceX(5000), 30 + 425);
    EXPECT_EQ(LogicalToDeviceY(625), 30 + 53);  // 53.125 rounds down
    EXPECT_EQ(LogicalToDeviceX(-300), 5);       // 4.5 rounds up: the statistics line's pixel
    EXPECT_EQ(DeviceToLogicalX(0), -353);       // 30 pixels of margin
    for (int nPixel = 0; nPixel < 900; ++nPixel) {
        EXPECT_LE(std::abs(LogicalToDeviceX(DeviceToLogicalX(nPixel)) - nPixel), 0) << nPixel;
    }
}

TEST(BoardMapping, GridSquareAtDevicePoint) {
    // The centre of a7, cell (0, 0), and of g1, cell (6, 6).
    GridSquare square = GridSquareAtDevicePoint(LogicalToDeviceX(625), LogicalToDeviceY(625));
    EXPECT_EQ(square.nRow, 0);
    EXPECT_EQ(square.nCol, 0);
    square = GridSquareAtDevicePoint(LogicalToDeviceX(4375), LogicalToDeviceY(4375));
    EXPECT_EQ(square.nRow, 6);
    EXPECT_EQ(square.nCol, 6);
    // Row from x, column from y.
    square = GridSquareAtDevicePoint(LogicalToDeviceX(4375), LogicalToDeviceY(625));
    EXPECT_EQ(square.nRow, 6);
    EXPECT_EQ(square.nCol, 0);
    // The window's top-left corner lies in the margin: index 0 on the x axis (-353 is
    // beyond -312, so -1), as the truncating division gives.
    square = GridSquareAtDevicePoint(0, 0);
    EXPECT_EQ(square.nRow, -1);
    EXPECT_EQ(square.nCol, -1);
    square = GridSquareAtDevicePoint(10, 10);
    EXPECT_EQ(square.nRow, 0);
}

}  // namespace
