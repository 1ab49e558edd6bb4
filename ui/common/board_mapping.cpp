#include "board_mapping.h"

#include <cmath>

namespace {

int Round(double dValue) {
    return static_cast<int>(std::lround(dValue));
}

}  // namespace

int DeviceToLogicalX(int nDeviceX) {
    return Round(static_cast<double>(nDeviceX - DEVICE_ORIGIN_X) * LOGICAL_EXTENT / DEVICE_EXTENT);
}

int DeviceToLogicalY(int nDeviceY) {
    return Round(static_cast<double>(nDeviceY - DEVICE_ORIGIN_Y) * LOGICAL_EXTENT / DEVICE_EXTENT);
}

int LogicalToDeviceX(int nLogicalX) {
    return Round(static_cast<double>(nLogicalX) * DEVICE_EXTENT / LOGICAL_EXTENT + DEVICE_ORIGIN_X);
}

int LogicalToDeviceY(int nLogicalY) {
    return Round(static_cast<double>(nLogicalY) * DEVICE_EXTENT / LOGICAL_EXTENT + DEVICE_ORIGIN_Y);
}

int LogicalToDeviceLength(int nLogical) {
    return Round(static_cast<double>(nLogical) * DEVICE_EXTENT / LOGICAL_EXTENT);
}

int LogicalToGridIndex(int nLogical) {
    return ((nLogical - 312) * 16) / LOGICAL_EXTENT;
}

GridSquare GridSquareAtDevicePoint(int nDeviceX, int nDeviceY) {
    return {LogicalToGridIndex(DeviceToLogicalX(nDeviceX)),
            LogicalToGridIndex(DeviceToLogicalY(nDeviceY))};
}
