// The view's one coordinate mapping: the painter draws through it, clicks are converted
// through it, the screen reader's point boxes come from it. 10000 logical units span 850
// device pixels on both axes, x grows to the right and y downward, and logical (0, 0) lies
// at device pixel (30, 30) of the client area.
#pragma once

inline constexpr int LOGICAL_EXTENT = 10000;  // logical units ...
inline constexpr int DEVICE_EXTENT = 850;     // ... per this many device pixels
inline constexpr int DEVICE_ORIGIN_X = 30;    // device pixel of logical x = 0
inline constexpr int DEVICE_ORIGIN_Y = 30;    // device pixel of logical y = 0

// Grid coordinate k (0..12) in logical units: (k + 1) * 10000 / 16. G[0..6] are the board's
// lines; the higher entries place the hands and the captured rows.
inline constexpr int GridCoordinate(int k) {
    return (k + 1) * LOGICAL_EXTENT / 16;
}

// Device pixel to logical unit on the x or y axis, rounded to the nearest unit as the
// original device-context conversion did.
int DeviceToLogicalX(int nDeviceX);
int DeviceToLogicalY(int nDeviceY);

// Logical unit to the whole device pixel it lies in: the exact device position rounded to
// the nearest pixel, halves away from zero (so logical -300 is pixel 5, not 4).
int LogicalToDeviceX(int nLogicalX);
int LogicalToDeviceY(int nLogicalY);

// A logical length (such as a pen width) in device pixels, rounded to the nearest; the sign
// is kept.
int LogicalToDeviceLength(int nLogical);

// The grid index of a logical coordinate: ((L - 312) * 16) / 10000 in 32-bit arithmetic,
// truncated toward zero. Index k takes in G[k] - 313 .. G[k] + 311; index 0 also most of the
// margin left of and above the board (-312 .. 0). Results outside 0..6 are possible and
// meaningful (the hand areas give 8 and more); the document ignores them.
int LogicalToGridIndex(int nLogical);

// The grid square (row from x, column from y) under a device pixel of the client area.
struct GridSquare {
    int nRow;
    int nCol;
};
GridSquare GridSquareAtDevicePoint(int nDeviceX, int nDeviceY);
