#include <QImage>
#include <QPainter>
#include <QTest>

#include "board_painter.h"
#include "gdi_dc.h"

namespace {

const QColor SENTINEL(200, 0, 200);  // never drawn by the device context

QImage Canvas() {
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(SENTINEL);
    return image;
}

}  // namespace

class CDeviceContextTest : public QObject {
    Q_OBJECT

private slots:
    // A fresh device context outlines with a black one-pixel pen on the box's edge pixels,
    // right and bottom edges excluded, and fills with white.
    void InitialObjectsAndRectangle() {
        QImage image = Canvas();
        {
            QPainter painter(&image);
            CDC dc(painter);
            dc.Rectangle(10, 20, 40, 50);
        }
        QCOMPARE(image.pixelColor(10, 30), QColor(Qt::black));
        QCOMPARE(image.pixelColor(39, 30), QColor(Qt::black));
        QCOMPARE(image.pixelColor(25, 20), QColor(Qt::black));
        QCOMPARE(image.pixelColor(25, 49), QColor(Qt::black));
        QCOMPARE(image.pixelColor(11, 21), QColor(Qt::white));
        QCOMPARE(image.pixelColor(38, 48), QColor(Qt::white));
        QCOMPARE(image.pixelColor(40, 30), SENTINEL);
        QCOMPARE(image.pixelColor(25, 50), SENTINEL);
        QCOMPARE(image.pixelColor(9, 30), SENTINEL);
    }

    // SelectObject hands back what it replaces; a null pen leaves shapes without outline.
    void SelectObjectAndNullPen() {
        QImage image = Canvas();
        {
            QPainter painter(&image);
            CDC dc(painter);
            CPen penNull(PS_NULL, 0, 0);
            CBrush brushRed(RGB(255, 0, 0));
            CPen* pInitialPen = dc.SelectObject(&penNull);
            CBrush* pInitialBrush = dc.SelectObject(&brushRed);
            QCOMPARE(pInitialPen->Style(), PS_SOLID);
            QCOMPARE(pInitialPen->Color(), RGB(0, 0, 0));
            QCOMPARE(pInitialBrush->Color(), RGB(255, 255, 255));
            dc.Rectangle(10, 20, 40, 50);
            QCOMPARE(dc.SelectObject(pInitialPen), &penNull);
            QCOMPARE(dc.SelectObject(pInitialBrush), &brushRed);
        }
        QCOMPARE(image.pixelColor(10, 30), QColor(Qt::red));
        QCOMPARE(image.pixelColor(39, 49), QColor(Qt::red));
        QCOMPARE(image.pixelColor(40, 30), SENTINEL);
    }

    // On the board's mapping pens of any width show as whole pixels.
    void BoardMapping() {
        QImage image = Canvas();
        QPainter painter(&image);
        CDC dc(painter);
        OnPrepareDC(dc);
        QCOMPARE(dc.PenWidthToDevice(1), 1);
        QCOMPARE(dc.PenWidthToDevice(0), 1);
        QCOMPARE(dc.PenWidthToDevice(83), 7);  // 7.055 pixels, drawn as whole ones

        // A pen of one logical unit still draws a whole pixel.
        CPen penThin(PS_SOLID, 1, RGB(0, 0, 255));
        dc.SelectObject(&penThin);
        dc.MoveTo(0, 1000);  // device y 115
        dc.LineTo(1000, 1000);
        painter.end();
        QCOMPARE(image.pixelColor(60, 115), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(60, 114), SENTINEL);
    }

    // Arcs run counter-clockwise on the screen: up-to-left is the upper-left quarter. A pie
    // on a box twice as wide as high covers the true directions between its radials.
    void ArcAndPie() {
        QImage image = Canvas();
        {
            QPainter painter(&image);
            CDC dc(painter);
            CPen penRed(PS_SOLID, 3, RGB(255, 0, 0));
            dc.SelectObject(&penRed);
            dc.Arc(0, 0, 60, 60, 30, 10, 10, 30);  // outline radius 29.5 around (30, 30)
            CPen penNull(PS_NULL, 0, 0);
            CBrush brushGreen(RGB(0, 255, 0));
            dc.SelectObject(&penNull);
            dc.SelectObject(&brushGreen);
            dc.Pie(80, 0, 200, 60, 200, 10, 160, -10);  // true 18.4 to 63.4 degrees
        }
        QCOMPARE(image.pixelColor(29, 0), QColor(Qt::red));      // top
        QCOMPARE(image.pixelColor(0, 29), QColor(Qt::red));      // left
        QCOMPARE(image.pixelColor(9, 9), QColor(Qt::red));       // upper left
        QCOMPARE(image.pixelColor(59, 30), SENTINEL);            // right
        QCOMPARE(image.pixelColor(30, 59), SENTINEL);            // bottom
        QCOMPARE(image.pixelColor(50, 50), SENTINEL);            // lower right
        QCOMPARE(image.pixelColor(162, 19), QColor(Qt::green));  // true 25 degrees
        QCOMPARE(image.pixelColor(146, 11), SENTINEL);           // true 70.6 degrees
        QCOMPARE(image.pixelColor(169, 24), SENTINEL);           // true 10.6 degrees
    }
};

QTEST_MAIN(CDeviceContextTest)
#include "gdi_dc_test.moc"
