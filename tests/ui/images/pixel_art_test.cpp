// The text-picture conversion and the cursor font's layout, including the faults in the
// data that must give no picture rather than a wrong one.
#include <QTest>
#include <array>

#include "cursor_art.h"
#include "cursor_font.h"
#include "pixel_art.h"

class TestPixelArt : public QObject {
    Q_OBJECT

private slots:
    void convertsCodesToColours() {
        const std::array<const char*, 2> apszRows = {"kY.", "WRG"};
        const QImage image = PixelArtToImage(apszRows, CLASSIC_PALETTE);
        QCOMPARE(image.size(), QSize(3, 2));
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(255, 255, 0));
        QCOMPARE(qAlpha(image.pixel(2, 0)), 0);
        QCOMPARE(image.pixel(0, 1), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(1, 1), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(2, 1), qRgb(0, 255, 0));

        const std::array<const char*, 1> apszCursorRow = {"BW."};
        const QImage cursor = PixelArtToImage(apszCursorRow, CURSOR_PALETTE);
        QCOMPARE(cursor.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(cursor.pixel(1, 0), qRgb(255, 255, 255));
        QCOMPARE(qAlpha(cursor.pixel(2, 0)), 0);
    }

    void faultyPicturesGiveNoImage() {
        const std::array<const char*, 2> apszRagged = {"kkk", "kk"};
        QVERIFY(PixelArtToImage(apszRagged, CLASSIC_PALETTE).isNull());
        const std::array<const char*, 1> apszUnknownCode = {"kXk"};
        QVERIFY(PixelArtToImage(apszUnknownCode, CLASSIC_PALETTE).isNull());
        // 'Y' is yellow in the icons but no code of a cursor.
        const std::array<const char*, 1> apszIconCode = {"BYW"};
        QVERIFY(PixelArtToImage(apszIconCode, CURSOR_PALETTE).isNull());
        const std::array<const char*, 1> apszEmptyRow = {""};
        QVERIFY(PixelArtToImage(apszEmptyRow, CLASSIC_PALETTE).isNull());
        QVERIFY(PixelArtToImage({}, CLASSIC_PALETTE).isNull());
    }

    void laysOutWordsInTheFont() {
        const std::optional<CursorWordPicture> word = LayOutCursorWord("Ziel?");
        QVERIFY(word.has_value());
        for (const std::string& row : *word) {
            QCOMPARE(row.size(), (*word)[0].size());
            QVERIFY(row.find_first_not_of("B.") == std::string::npos);
        }
        // Neighbouring glyphs are kept apart by a blank column.
        const std::optional<CursorWordPicture> pair = LayOutCursorWord("ll");
        QVERIFY(pair.has_value());
        QCOMPARE((*pair)[0], std::string("B.B"));

        QVERIFY(!LayOutCursorWord("").has_value());
        QVERIFY(!LayOutCursorWord("Zug").has_value());  // no glyph for 'u'
    }

    void refusesWordsWiderThanTheBox() {
        QVERIFY(ComposeCursorPicture("Schlag").has_value());
        QVERIFY(!ComposeCursorPicture("SchlagSchlag").has_value());
        QVERIFY(!ComposeCursorPicture("Zug").has_value());
    }
};

QTEST_MAIN(TestPixelArt)
#include "pixel_art_test.moc"
