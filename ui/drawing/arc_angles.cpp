#include "arc_angles.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double FULL_CIRCLE_DEGREES = 360.0;
constexpr int SIXTEENTHS_PER_DEGREE = 16;
constexpr int FULL_CIRCLE_SIXTEENTHS = 360 * SIXTEENTHS_PER_DEGREE;

// Qt's parametric angle in degrees, in [0, 360), of the point where the ray from the centre
// (dCenterX, dCenterY) through (dX, dY) meets the ellipse with half axes dA and dB. The point
// a cos t, b sin t (y up) lies on the ray when (cos t, sin t) points along (dx / a, dy / b).
double ParametricDegrees(double dCenterX, double dCenterY, double dA, double dB, double dX,
                         double dY) {
    const double dRightward = (dX - dCenterX) / dA;
    const double dUpward = (dCenterY - dY) / dB;  // the space is y-down
    double dDegrees = std::atan2(dUpward, dRightward) * 180.0 / std::numbers::pi;
    if (dDegrees < 0.0) {
        dDegrees += FULL_CIRCLE_DEGREES;
    }
    return dDegrees >= FULL_CIRCLE_DEGREES ? 0.0 : dDegrees;
}

}  // namespace

QtArcAngles ArcAnglesFromRadials(double dLeft, double dTop, double dRight, double dBottom,
                                 double dStartX, double dStartY, double dEndX, double dEndY) {
    const double dCenterX = (dLeft + dRight) / 2.0;
    const double dCenterY = (dTop + dBottom) / 2.0;
    // A flat box has a zero half axis; any positive value keeps the directions meaningful.
    const double dA = std::fabs(dRight - dLeft) > 0.0 ? std::fabs(dRight - dLeft) / 2.0 : 1.0;
    const double dB = std::fabs(dBottom - dTop) > 0.0 ? std::fabs(dBottom - dTop) / 2.0 : 1.0;

    // 1. Both angles, each in [0, 360).
    const double dStart = ParametricDegrees(dCenterX, dCenterY, dA, dB, dStartX, dStartY);
    const double dEnd = ParametricDegrees(dCenterX, dCenterY, dA, dB, dEndX, dEndY);

    // 2. Counter-clockwise from start to end: the difference taken into (0, 360]; equal
    //    angles mean the whole ellipse.
    double dSpan = dEnd - dStart;
    if (dSpan <= 0.0) {
        dSpan += FULL_CIRCLE_DEGREES;
    }

    // 3. Sixteenths of a degree, rounded to the nearest.
    int nStart = static_cast<int>(std::lround(dStart * SIXTEENTHS_PER_DEGREE));
    if (nStart >= FULL_CIRCLE_SIXTEENTHS) {
        nStart -= FULL_CIRCLE_SIXTEENTHS;
    }
    const int nSpan = static_cast<int>(std::lround(dSpan * SIXTEENTHS_PER_DEGREE));
    return {nStart, nSpan};
}
