// Icons 128 and 129 in both sizes, and the application icon at the theme sizes.
#include <QTest>
#include <algorithm>
#include <map>
#include <set>

#include "board_icon_layout.h"
#include "resource_images.h"

namespace {

// The classic 16-colour palette, the only colours an icon picture may use.
const std::set<QRgb> CLASSIC_COLOURS = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

const QRgb BLACK = qRgb(0, 0, 0);
const QRgb WHITE = qRgb(255, 255, 255);
const QRgb YELLOW = qRgb(255, 255, 0);
const QRgb RED = qRgb(255, 0, 0);

// How often each opaque colour occurs.
std::map<QRgb, int> CountColours(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int nY = 0; nY < image.height(); ++nY) {
        for (int nX = 0; nX < image.width(); ++nX) {
            const QRgb rgb = image.pixel(nX, nY);
            if (qAlpha(rgb) != 0) {
                ++counts[rgb];
            }
        }
    }
    return counts;
}

// The longest run of black pixels along a row (bRows) or a column.
int LongestBlackRun(const QImage& image, bool bRows) {
    int nLongest = 0;
    for (int nLine = 0; nLine < image.width(); ++nLine) {
        int nRun = 0;
        for (int nPos = 0; nPos < image.width(); ++nPos) {
            const QRgb rgb = bRows ? image.pixel(nPos, nLine) : image.pixel(nLine, nPos);
            nRun = rgb == BLACK ? nRun + 1 : 0;
            nLongest = std::max(nLongest, nRun);
        }
    }
    return nLongest;
}

bool IsNear(QRgb rgb, QRgb expected, int nTolerance) {
    return qAlpha(rgb) == 255 && std::abs(qRed(rgb) - qRed(expected)) <= nTolerance &&
           std::abs(qGreen(rgb) - qGreen(expected)) <= nTolerance &&
           std::abs(qBlue(rgb) - qBlue(expected)) <= nTolerance;
}

}  // namespace

class TestIconImages : public QObject {
    Q_OBJECT

private slots:
    void sizesAndColours_data() {
        QTest::addColumn<int>("nId");
        QTest::addColumn<int>("nSize");
        for (int nId : {IDR_MAINFRAME, IDR_PELVARTYPE}) {
            for (int nSize : {32, 16}) {
                QTest::addRow("%d at %d", nId, nSize) << nId << nSize;
            }
        }
    }

    // Every pixel is transparent or opaque in one of the sixteen colours.
    void sizesAndColours() {
        QFETCH(int, nId);
        QFETCH(int, nSize);
        const QImage image = ResourceIconImage(nId, nSize);
        QCOMPARE(image.size(), QSize(nSize, nSize));
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        for (int nY = 0; nY < nSize; ++nY) {
            for (int nX = 0; nX < nSize; ++nX) {
                const QRgb rgb = image.pixel(nX, nY);
                QVERIFY(qAlpha(rgb) == 0 || CLASSIC_COLOURS.count(rgb) == 1);
            }
        }
        QVERIFY(CountColours(image).size() <= 16);
    }

    void unknownIdsAndSizes() {
        for (int nSize : {0, 8, 24, 48, 64}) {
            QVERIFY(ResourceIconImage(IDR_MAINFRAME, nSize).isNull());
        }
        for (int nId : {0, 127, 130, IDC_CURSOR_PLACE}) {
            QVERIFY(ResourceIconImage(nId, 32).isNull());
            QVERIFY(LoadResourceIcon(nId).isNull());
        }
    }

    // The board on its yellow ground: long black lines, and the stones of the layout table
    // where the table puts them (a white centre; black beside the point, off the lines).
    void boardIcon() {
        for (int nSize : {32, 16}) {
            const QImage image = ResourceIconImage(IDR_MAINFRAME, nSize);
            const std::map<QRgb, int> counts = CountColours(image);
            const auto mostFrequent = std::max_element(
                counts.begin(), counts.end(),
                [](const auto& left, const auto& right) { return left.second < right.second; });
            QCOMPARE(mostFrequent->first, YELLOW);
            QVERIFY(LongestBlackRun(image, true) >= nSize / 2);
            QVERIFY(LongestBlackRun(image, false) >= nSize / 2);

            const auto& grid = nSize == 32 ? BOARD_ICON_GRID_32 : BOARD_ICON_GRID_16;
            for (const BoardIconStone& stone : BOARD_ICON_STONES) {
                if (nSize == 16 && !stone.bShownSmall) {
                    continue;
                }
                const int nX = grid[stone.nGridX];
                const int nY = grid[stone.nGridY];
                if (stone.bWhite) {
                    QCOMPARE(image.pixel(nX, nY), WHITE);
                } else {
                    QCOMPARE(image.pixel(nX + 1, nY + 1), BLACK);
                }
            }
        }
    }

    void documentIcon() {
        for (int nSize : {32, 16}) {
            const std::map<QRgb, int> counts =
                CountColours(ResourceIconImage(IDR_PELVARTYPE, nSize));
            QVERIFY(counts.count(RED) == 1);
            QVERIFY(counts.count(qRgb(0, 255, 0)) == 1);
            QVERIFY(counts.count(WHITE) == 1);
        }
    }

    void loadedIconHoldsBothSizes() {
        for (int nId : {IDR_MAINFRAME, IDR_PELVARTYPE}) {
            const QIcon icon = LoadResourceIcon(nId);
            const QList<QSize> sizes = icon.availableSizes();
            QVERIFY(sizes.contains(QSize(16, 16)));
            QVERIFY(sizes.contains(QSize(32, 32)));
            for (int nSize : {16, 32}) {
                const QImage image = icon.pixmap(nSize, nSize).toImage();
                QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                         ResourceIconImage(nId, nSize));
            }
        }
    }

    // The theme sizes: the hand-drawn pictures at 16 and 32, the drawn board above, with
    // its yellow ground, a transparent corner beside the shadow, and the stones in place.
    void applicationIcon() {
        QCOMPARE(RenderApplicationIcon(16), ResourceIconImage(IDR_MAINFRAME, 16));
        QCOMPARE(RenderApplicationIcon(32), ResourceIconImage(IDR_MAINFRAME, 32));
        for (int nSize : {48, 64, 128, 256}) {
            const QImage image = RenderApplicationIcon(nSize);
            QCOMPARE(image.size(), QSize(nSize, nSize));
            QCOMPARE(image.format(), QImage::Format_ARGB32);
            const double dUnit = nSize / 32.0;
            auto designPixel = [&](int nX, int nY) {
                return image.pixel(static_cast<int>((nX + 0.5) * dUnit),
                                   static_cast<int>((nY + 0.5) * dUnit));
            };
            QVERIFY(IsNear(designPixel(5, 5), YELLOW, 0));
            QCOMPARE(qAlpha(designPixel(31, 0)), 0);
            QVERIFY(IsNear(designPixel(2, 10), BLACK, 0));  // the outer square's left side
            for (const BoardIconStone& stone : BOARD_ICON_STONES) {
                // As in the pictures: a white centre, black beside the point off the lines.
                const int nOffset = stone.bWhite ? 0 : 1;
                const QRgb rgb = designPixel(BOARD_ICON_GRID_32[stone.nGridX] + nOffset,
                                             BOARD_ICON_GRID_32[stone.nGridY] + nOffset);
                QVERIFY2(IsNear(rgb, stone.bWhite ? WHITE : BLACK, 64),
                         qPrintable(QStringLiteral("size %1, stone (%2, %3): %4")
                                        .arg(nSize)
                                        .arg(stone.nGridX)
                                        .arg(stone.nGridY)
                                        .arg(rgb, 8, 16)));
            }
        }
        for (int nSize : {0, -16, 1025}) {
            QVERIFY(RenderApplicationIcon(nSize).isNull());
        }
    }
};

QTEST_MAIN(TestIconImages)
#include "icon_images_test.moc"
