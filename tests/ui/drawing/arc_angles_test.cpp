#include <QTest>

#include "arc_angles.h"

namespace {

// A circle of radius 100 around (200, 300) in a y-down space.
QtArcAngles OnCircle(double dStartX, double dStartY, double dEndX, double dEndY) {
    return ArcAnglesFromRadials(100, 200, 300, 400, 200 + dStartX, 300 + dStartY, 200 + dEndX,
                                300 + dEndY);
}

}  // namespace

class CArcAnglesTest : public QObject {
    Q_OBJECT

private slots:
    // The stone's quarters: up to left is the upper left, down to right the lower right, as
    // seen on a y-down screen.
    void Quarters() {
        const QtArcAngles upperLeft = OnCircle(0, -50, -50, 0);
        QCOMPARE(upperLeft.nStartAngle, 90 * 16);
        QCOMPARE(upperLeft.nSpanAngle, 90 * 16);
        const QtArcAngles lowerRight = OnCircle(0, 50, 50, 0);
        QCOMPARE(lowerRight.nStartAngle, 270 * 16);
        QCOMPARE(lowerRight.nSpanAngle, 90 * 16);
    }

    // The marker's wedge: from about 14.6 to 59.8 degrees above the rightward horizontal.
    void MarkerWedge() {
        const QtArcAngles wedge = OnCircle(162.5, -42.25, 162.5, -279.5);
        QCOMPARE(wedge.nStartAngle, 233);  // 14.574 degrees
        QCOMPARE(wedge.nSpanAngle, 724);   // 45.252 degrees
    }

    // Counter-clockwise always: across 0 degrees, and the long way round when the end lies
    // clockwise of the start; the rays' lengths do not matter.
    void DirectionAndWrap() {
        const QtArcAngles acrossZero = OnCircle(100, 17.6327, 100, -17.6327);  // -10 to 10
        QCOMPARE(acrossZero.nStartAngle, 350 * 16);
        QCOMPARE(acrossZero.nSpanAngle, 20 * 16);
        const QtArcAngles longWay = OnCircle(-10, 0, 0, -1000);  // left to up
        QCOMPARE(longWay.nStartAngle, 180 * 16);
        QCOMPARE(longWay.nSpanAngle, 270 * 16);
    }

    // Coinciding rays give the whole ellipse.
    void FullEllipse() {
        const QtArcAngles full = OnCircle(30, 30, 60, 60);
        QCOMPARE(full.nStartAngle, 315 * 16);
        QCOMPARE(full.nSpanAngle, 360 * 16);
    }

    // On a box twice as wide as high, the ray at 45 degrees meets the ellipse at Qt's
    // parametric angle atan(2) = 63.435 degrees.
    void WideEllipse() {
        const QtArcAngles wide = ArcAnglesFromRadials(0, 0, 200, 100, 110, 40, 0, 50);
        QCOMPARE(wide.nStartAngle, 1015);
        QCOMPARE(wide.nSpanAngle, 180 * 16 - 1015);
    }
};

QTEST_APPLESS_MAIN(CArcAnglesTest)
#include "arc_angles_test.moc"
