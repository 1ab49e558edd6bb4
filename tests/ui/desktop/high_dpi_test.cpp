// A high-density screen (run at scale factor 2): the board keeps its size in the toolkit's
// device-independent pixels, so it covers twice as many physical pixels, and a click that
// the screen reports in physical pixels still reaches the grid square under it.
#include <QTest>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWindow>

#include "board_mapping.h"
#include "board_painter.h"
#include "main_frame.h"
#include "pelvar_app.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "test_support.h"
#include "window_test_suite.h"

namespace {

// The scale factor this test runs at (QT_SCALE_FACTOR in its CTest environment).
constexpr qreal SCALE = 2.0;

// Large enough for the whole picture (about 747 x 588 device-independent pixels).
constexpr QSize FRAME_SIZE(900, 760);

// Whether every pixel of the 3 x 3 block around (x, y) has the colour of (x, y): such a pixel
// lies inside one area of the picture, away from its edges, where a picture drawn twice as
// large must show the same colour on all four of its physical pixels.
bool IsInsideUniformArea(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixel(x + dx, y + dy) != rgb) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class CHighDpiTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boardCoversTwiceThePhysicalPixels();
    void physicalClickReachesTheSquareUnderIt();

private:
    // Presses and releases the left button at pos in device-independent pixels of the view,
    // handed to the window system layer as the physical position, as a screen reports it.
    void ClickAt(const QPointF& pos);

    std::unique_ptr<CPelvarApp> m_pApp;
    ulong m_nTimestamp = 0;
    CPelvarView* View() const { return m_pApp->Frame().View(); }
    CPelvarDoc& Doc() const { return m_pApp->Document(); }
};

void CHighDpiTest::init() {
    m_pApp = std::make_unique<CPelvarApp>();
    QVERIFY(m_pApp->InitInstance(QByteArray()));
    m_pApp->Frame().resize(FRAME_SIZE);
    QVERIFY(QTest::qWaitForWindowExposed(&m_pApp->Frame()));
    QCOMPARE(View()->devicePixelRatio(), SCALE);
    SetUpSlidingGame(Doc());
}

void CHighDpiTest::cleanup() {
    m_pApp.reset();
}

void CHighDpiTest::ClickAt(const QPointF& pos) {
    QWindow* pWindow = m_pApp->Frame().windowHandle();
    const QPointF local = View()->mapTo(&m_pApp->Frame(), pos);
    const QPointF global = View()->mapToGlobal(pos);
    // Timestamps far apart, so that no two clicks make a double click.
    m_nTimestamp += 10000;
    qt_handleMouseEvent(pWindow, local, global, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, Qt::NoModifier, int(m_nTimestamp));
    qt_handleMouseEvent(pWindow, local, global, Qt::NoButton, Qt::LeftButton,
                        QEvent::MouseButtonRelease, Qt::NoModifier, int(m_nTimestamp + 50));
}

void CHighDpiTest::boardCoversTwiceThePhysicalPixels() {
    // 1. The view as the screen shows it, in physical pixels.
    const QPixmap shown = View()->grab();
    QCOMPARE(shown.devicePixelRatio(), SCALE);
    QCOMPARE(shown.size(), View()->size() * 2);
    const QImage physical = shown.toImage().convertToFormat(QImage::Format_RGB32);

    // 2. The same picture at one physical pixel per device-independent pixel.
    QImage reference(View()->size(), QImage::Format_RGB32);
    reference.fill(View()->palette().color(QPalette::Base));
    {
        QPainter painter(&reference);
        PaintBoard(painter, Doc());
    }

    // 3. Inside every area of the picture, pixel (x, y) of the reference is the block of
    // physical pixels (2x, 2y) to (2x + 1, 2y + 1).
    int nCompared = 0;
    QSet<QRgb> colours;
    for (int y = 1; y < reference.height() - 1; y += 3) {
        for (int x = 1; x < reference.width() - 1; x += 3) {
            if (!IsInsideUniformArea(reference, x, y)) {
                continue;
            }
            const QRgb expected = reference.pixel(x, y);
            for (int k = 0; k < 4; ++k) {
                const QRgb actual = physical.pixel(2 * x + k % 2, 2 * y + k / 2);
                if (actual != expected) {
                    QFAIL(qPrintable(QStringLiteral("(%1, %2): physical %3, expected %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(actual, 0, 16)
                                         .arg(expected, 0, 16)));
                }
            }
            ++nCompared;
            colours.insert(expected);
        }
    }
    // The comparison covered the margin, the board, its lines and both sides' stones.
    QVERIFY2(nCompared > 10000, qPrintable(QString::number(nCompared)));
    QVERIFY2(colours.size() >= 6, qPrintable(QString::number(colours.size())));

    // 4. The board's right edge: device-independent x 455, physical 910.
    const int nBoardRight = LogicalToDeviceX(5000);
    const int nMiddle = LogicalToDeviceY(2500);
    const QRgb board = reference.pixel(nBoardRight - 3, nMiddle);
    QCOMPARE(physical.pixel(2 * nBoardRight - 6, 2 * nMiddle), board);
    QVERIFY(physical.pixel(2 * nBoardRight + 6, 2 * nMiddle) != board);
}

void CHighDpiTest::physicalClickReachesTheSquareUnderIt() {
    // The centre of a white stone's square picks it.
    ClickAt(QPointF(LogicalToDeviceX(GridCoordinate(6)), LogicalToDeviceY(GridCoordinate(0))));
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SLIDE_TARGET));
    QCOMPARE(Doc().m_nSelRow, 6);
    QCOMPARE(Doc().m_nSelCol, 0);

    // Square boundaries lie where they lie at scale 1, in device-independent pixels: on
    // column 3, where white stands on (0,3) and (1,3) is empty, the last pixel of row 0 picks
    // the stone and the next one does not. (The toolkit hands widgets whole device-independent
    // pixels, so each of them is clicked at its top-left physical pixel.)
    const int nY = LogicalToDeviceY(GridCoordinate(3));
    int nLast = LogicalToDeviceX(GridCoordinate(0));
    while (GridSquareAtDevicePoint(nLast + 1, nY).nRow == 0) {
        ++nLast;
    }
    SetUpSlidingGame(Doc());
    ClickAt(QPointF(nLast, nY));
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SLIDE_TARGET));
    QCOMPARE(Doc().m_nSelRow, 0);
    QCOMPARE(Doc().m_nSelCol, 3);

    SetUpSlidingGame(Doc());
    ClickAt(QPointF(nLast + 1, nY));
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SELECT_SLIDE));
}

QTEST_MAIN(CHighDpiTest)
#include "high_dpi_test.moc"
