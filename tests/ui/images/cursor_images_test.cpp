// The five state cursors: the shared arrow pixel for pixel, the word in its box, everything
// else transparent, and the loaded cursor's hot spot.
#include <QTest>
#include <array>

#include "resource_images.h"

namespace {

// The arrow in rows 0 to 7: B black, W white, every other pixel transparent.
const std::array<const char*, 8> EXPECTED_ARROW = {
    "B", "BB", "BWB", "BWWB", "BWWBB", ".BWWB", "..BWWB", "...BB",
};

constexpr int WORD_TOP = 9;
constexpr int WORD_BOTTOM = 18;
constexpr int WORD_RIGHT = 30;
constexpr int FIRST_DESCENDER_ROW = 17;

bool IsTransparent(QRgb rgb) {
    return qAlpha(rgb) == 0;
}

bool IsBlack(QRgb rgb) {
    return rgb == qRgb(0, 0, 0);
}

bool IsWhite(QRgb rgb) {
    return rgb == qRgb(255, 255, 255);
}

bool RowHasBlack(const QImage& image, int nY) {
    for (int nX = 0; nX < image.width(); ++nX) {
        if (IsBlack(image.pixel(nX, nY))) {
            return true;
        }
    }
    return false;
}

}  // namespace

class TestCursorImages : public QObject {
    Q_OBJECT

private slots:
    void eachCursor_data() {
        QTest::addColumn<int>("nId");
        QTest::addColumn<bool>("bDescender");
        QTest::newRow("106 Setze") << int{IDC_CURSOR_PLACE} << false;
        QTest::newRow("107 Schlag") << int{IDC_CURSOR_CAPTURE} << true;
        QTest::newRow("108 Ziehe") << int{IDC_CURSOR_SLIDE} << false;
        QTest::newRow("109 Spring") << int{IDC_CURSOR_JUMP} << true;
        QTest::newRow("110 Ziel?") << int{IDC_CURSOR_TARGET} << false;
    }

    void eachCursor() {
        QFETCH(int, nId);
        QFETCH(bool, bDescender);
        const QImage image = ResourceCursorImage(nId);
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.format(), QImage::Format_ARGB32);

        // 1. The arrow, pixel for pixel, and nothing else in its rows.
        for (int nY = 0; nY < 8; ++nY) {
            const int nLength = static_cast<int>(std::strlen(EXPECTED_ARROW[nY]));
            for (int nX = 0; nX < 32; ++nX) {
                const char cExpected = nX < nLength ? EXPECTED_ARROW[nY][nX] : '.';
                const QRgb rgb = image.pixel(nX, nY);
                const bool bMatches = cExpected == 'B'   ? IsBlack(rgb)
                                      : cExpected == 'W' ? IsWhite(rgb)
                                                         : IsTransparent(rgb);
                QVERIFY2(bMatches,
                         qPrintable(QStringLiteral("arrow pixel (%1, %2)").arg(nX).arg(nY)));
            }
        }

        // 2. Outside the arrow rows and the word box every pixel is transparent; inside the
        //    box only black and transparent occur.
        for (int nY = 8; nY < 32; ++nY) {
            for (int nX = 0; nX < 32; ++nX) {
                const QRgb rgb = image.pixel(nX, nY);
                const bool bInBox = nY >= WORD_TOP && nY <= WORD_BOTTOM && nX <= WORD_RIGHT;
                const bool bAllowed = IsTransparent(rgb) || (bInBox && IsBlack(rgb));
                QVERIFY2(bAllowed, qPrintable(QStringLiteral("pixel (%1, %2)").arg(nX).arg(nY)));
            }
        }

        // 3. The letters are about eight pixels high: ink from the box's top row down to the
        //    baseline row 16; only the words with g or p reach into rows 17 and 18.
        QVERIFY(RowHasBlack(image, WORD_TOP));
        QVERIFY(RowHasBlack(image, FIRST_DESCENDER_ROW - 1));
        QCOMPARE(RowHasBlack(image, FIRST_DESCENDER_ROW), bDescender);
        QCOMPARE(RowHasBlack(image, WORD_BOTTOM), bDescender);

        // 4. The loaded cursor shows this picture with its hot spot at the arrow's tip.
        const QCursor cursor = LoadResourceCursor(nId);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(0, 0));
        QCOMPARE(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32), image);
        QCOMPARE(LoadResourceCursor(nId).pixmap().cacheKey(), cursor.pixmap().cacheKey());
    }

    // Five different words make five different pictures.
    void cursorsDiffer() {
        for (int nFirst = IDC_CURSOR_PLACE; nFirst <= IDC_CURSOR_TARGET; ++nFirst) {
            for (int nSecond = nFirst + 1; nSecond <= IDC_CURSOR_TARGET; ++nSecond) {
                QVERIFY(ResourceCursorImage(nFirst) != ResourceCursorImage(nSecond));
            }
        }
    }

    void unknownIds() {
        for (int nId : {0, -1, 105, 111, IDR_MAINFRAME}) {
            QVERIFY(ResourceCursorImage(nId).isNull());
            QCOMPARE(LoadResourceCursor(nId).shape(), Qt::ArrowCursor);
        }
    }
};

QTEST_MAIN(TestCursorImages)
#include "cursor_images_test.moc"
