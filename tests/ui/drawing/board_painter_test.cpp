#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <vector>

#include "board_colors.h"
#include "board_painter.h"
#include "evaluate.h"
#include "null_framework_services.h"
#include "pelvar_doc.h"
#include "search.h"

namespace {

const QColor SENTINEL(200, 0, 200);  // the image before the first paint

// Grid coordinate k in logical units: (k + 1) * 10000 / 16.
int G(int k) {
    return (k + 1) * 10000 / 16;
}

QColor Color(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

QImage Blank() {
    QImage image(800, 650, QImage::Format_RGB32);
    image.fill(SENTINEL);
    return image;
}

// Paints doc onto image without clearing it first, as the document's repaints do.
void Paint(QImage& image, const CPelvarDoc& doc) {
    QPainter painter(&image);
    PaintBoard(painter, doc);
}

QImage Render(const CPelvarDoc& doc) {
    QImage image = Blank();
    Paint(image, doc);
    return image;
}

// The colour of the device pixel that contains logical (x, y): 850 pixels per 10000 units
// from device (30, 30).
QColor At(const QImage& image, double x, double y) {
    return image.pixelColor(static_cast<int>(std::floor(30 + x * 0.085)),
                            static_cast<int>(std::floor(30 + y * 0.085)));
}

// The pixels whose centres lie between the two distances from logical (x, y) and within 25
// degrees of the diagonal to the quadrant given by the signs nSignX and nSignY.
std::vector<QColor> Sector(const QImage& image, int x, int y, int nSignX, int nSignY, double dFrom,
                           double dTo) {
    std::vector<QColor> colors;
    const double dCentreX = 30 + x * 0.085;
    const double dCentreY = 30 + y * 0.085;
    for (int px = static_cast<int>(dCentreX) - 25; px <= dCentreX + 25; ++px) {
        for (int py = static_cast<int>(dCentreY) - 25; py <= dCentreY + 25; ++py) {
            const double dx = (px + 0.5 - dCentreX) / 0.085 * nSignX;
            const double dy = (py + 0.5 - dCentreY) / 0.085 * nSignY;
            const double dDistance = std::hypot(dx, dy);
            const double dDegrees = std::atan2(dy, dx) * 180 / 3.141592653589793;
            if (dDistance >= dFrom && dDistance <= dTo && std::fabs(dDegrees - 45) <= 25) {
                colors.push_back(image.pixelColor(px, py));
            }
        }
    }
    return colors;
}

int Lightest(const std::vector<QColor>& colors) {
    int nMax = 0;
    for (const QColor& color : colors) {
        nMax = std::max(nMax, color.red());
    }
    return nMax;
}

int Darkest(const std::vector<QColor>& colors) {
    int nMin = 255;
    for (const QColor& color : colors) {
        nMin = std::min(nMin, color.red());
    }
    return nMin;
}

// An empty board and empty hands, so all nine stones of each side count as captured until
// the caller places stones or fills the hands; no markers.
void ClearBoard(CPelvarDoc& doc) {
    doc.m_posCurrent.ResetPosition();
    doc.m_posCurrent.Hand(PLAYER_WHITE) = 0;
    doc.m_posCurrent.Hand(PLAYER_BLACK) = 0;
    doc.m_posPrevious = doc.m_posCurrent;
}

}  // namespace

class CBoardPainterTest : public QObject {
    Q_OBJECT

private:
    CNullFrameworkServices m_services;

private slots:
    void init() {
        g_bRandomMoves = 0;
        g_nSearchDepth = 0;
        g_nNodeCount = 0;
    }

    // The start position: board, frame, lines, exactly the 24 points, full hands, no
    // captured stones, no statistics.
    void StartPosition() {
        CPelvarDoc doc(m_services);
        const QImage image = Render(doc);
        QCOMPARE(image.pixelColor(30, 200), QColor(Qt::black));  // frame
        QCOMPARE(image.pixelColor(454, 200), QColor(Qt::black));
        QCOMPARE(image.pixelColor(31, 200), Color(COLOR_BOARD));
        QCOMPARE(image.pixelColor(456, 200), SENTINEL);  // between board and hands
        QCOMPARE(At(image, 937, 2000), Color(COLOR_BOARD));
        QCOMPARE(At(image, 937, 937), Color(COLOR_BOARD));  // no diagonal
        QCOMPARE(At(image, 1000, G(0)), Color(COLOR_LINE));
        QCOMPARE(At(image, G(3), 937), Color(COLOR_LINE));
        QCOMPARE(At(image, G(3), G(3)), Color(COLOR_BOARD));
        for (int r = 0; r < 7; ++r) {
            for (int c = 0; c < 7; ++c) {
                // Off the lines, inside a point's disc of radius 125.
                const QColor expected = Color(IsBoardPoint(r, c) ? COLOR_LINE : COLOR_BOARD);
                QCOMPARE(At(image, G(r) + 70, G(c) + 70), expected);
                QCOMPARE(At(image, G(r) - 70, G(c) - 70), expected);
            }
        }
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(At(image, G(8 + i / 7), G(i % 7)), Color(COLOR_WHITE_FACE));
            QCOMPARE(At(image, G(10 + i / 7), G(i % 7)), Color(COLOR_BLACK_FACE));
        }
        QCOMPARE(At(image, G(9), G(2)), Color(COLOR_BACKGROUND));
        QCOMPARE(At(image, G(11), G(2)), Color(COLOR_BACKGROUND));
        QCOMPARE(At(image, 8400, 5900), Color(COLOR_BACKGROUND));
        QCOMPARE(At(image, 400, G(8)), Color(COLOR_BACKGROUND));  // captured rows empty
        QCOMPARE(At(image, 400, G(9)), Color(COLOR_BACKGROUND));
        for (int x = 0; x < 800; ++x) {
            QCOMPARE(image.pixelColor(x, 12), SENTINEL);  // no statistics line
        }
    }

    // A stone's discs, shadow and rims: light on the upper left of the raised ring and the
    // lower right of the groove inside it, dark opposite.
    void StoneFaceRingShadowAndRims() {
        CPelvarDoc doc(m_services);
        ClearBoard(doc);
        doc.m_posCurrent.Cell(1, 1) = PLAYER_BLACK;
        doc.m_posCurrent.Cell(5, 5) = PLAYER_WHITE;
        doc.m_posPrevious = doc.m_posCurrent;
        const QImage image = Render(doc);
        struct Case {
            int nSide;
            int x, y;
            COLORREF crFace, crRing;
        };
        const Case aCases[] = {
            {PLAYER_BLACK, G(1), G(1), COLOR_BLACK_FACE, COLOR_BLACK_RING},
            {PLAYER_WHITE, G(5), G(5), COLOR_WHITE_FACE, COLOR_WHITE_RING},
        };
        for (const Case& stone : aCases) {
            QCOMPARE(At(image, stone.x, stone.y), Color(stone.crFace));
            QCOMPARE(At(image, stone.x, stone.y - 116), Color(stone.crRing));
            QCOMPARE(At(image, stone.x + 116, stone.y), Color(stone.crRing));
            QCOMPARE(At(image, stone.x, stone.y - 175), Color(stone.crFace));
            QCOMPARE(At(image, stone.x + 200, stone.y + 200), Color(COLOR_STONE_SHADOW));
            QCOMPARE(At(image, stone.x - 200, stone.y - 200), Color(COLOR_BOARD));
            const auto upperLeft = [&](double dFrom, double dTo) {
                return Sector(image, stone.x, stone.y, -1, -1, dFrom, dTo);
            };
            const auto lowerRight = [&](double dFrom, double dTo) {
                return Sector(image, stone.x, stone.y, 1, 1, dFrom, dTo);
            };
            // The raised ring's edge at radius 200, then the groove's edge at 150: a light
            // arc is lighter than the stone's face, a dark one darker than its ring.
            const int nFace = Color(stone.crFace).red();
            const int nRing = Color(stone.crRing).red();
            QVERIFY(Lightest(upperLeft(160, 215)) > nFace);
            QVERIFY(Darkest(lowerRight(160, 215)) < nRing);
            QVERIFY(Darkest(upperLeft(100, 175)) < nRing);
            QVERIFY(Lightest(lowerRight(100, 175)) > nFace);
            QVERIFY(Lightest(lowerRight(172, 202)) <= nFace);
            QVERIFY(Darkest(upperLeft(172, 202)) >= nRing);
        }
    }

    // The grey ring of width about 25 under a picked white stone, only in the two target
    // states and only under a white stone.
    void HighlightUnderPickedStone() {
        const int aStates[] = {STATE_PLACE,        STATE_CAPTURE,     STATE_SELECT_SLIDE,
                               STATE_SLIDE_TARGET, STATE_SELECT_JUMP, STATE_JUMP_TARGET,
                               STATE_AUTOPLAY,     STATE_THINKING};
        for (const int nState : aStates) {
            for (const int nSide : {PLAYER_WHITE, PLAYER_BLACK}) {
                CPelvarDoc doc(m_services);
                ClearBoard(doc);
                doc.m_posCurrent.Cell(0, 6) = nSide;
                doc.m_posPrevious = doc.m_posCurrent;
                doc.m_nState = nState;
                doc.m_nSelRow = 0;
                doc.m_nSelCol = 6;
                const QImage image = Render(doc);
                const bool bExpected = nSide == PLAYER_WHITE && (nState == STATE_SLIDE_TARGET ||
                                                                 nState == STATE_JUMP_TARGET);
                // Up and to the left of (625, 4375), where no shadow falls.
                for (const auto& direction : {std::pair{0.0, -1.0}, std::pair{-1.0, 0.0}}) {
                    int nGrey = 0;
                    for (double d = 200; d <= 320; d += 1.0) {
                        if (At(image, G(0) + direction.first * d, G(6) + direction.second * d) ==
                            Color(COLOR_HIGHLIGHT)) {
                            ++nGrey;
                            QVERIFY2(d > 245 && d < 285, qPrintable(QString::number(d)));
                        }
                    }
                    QCOMPARE(nGrey > 0, bExpected);
                }
            }
        }
    }

    // After black slid (5,3)-(6,3), closed a mill and took the white stone on (4,3): red
    // where white was taken, light green where black left, green on the arrived stone; the
    // wedges lie to the upper right of the points, and only in states 1, 3, 5 and 7.
    void ChangeMarkers() {
        for (int nState = STATE_THINKING; nState <= STATE_AUTOPLAY; ++nState) {
            for (const int nMarkerSide : {PLAYER_BLACK, PLAYER_WHITE}) {
                CPelvarDoc doc(m_services);
                ClearBoard(doc);
                Position& prev = doc.m_posPrevious;
                prev.Cell(6, 0) = prev.Cell(6, 6) = prev.Cell(5, 3) = PLAYER_BLACK;
                prev.Cell(4, 3) = prev.Cell(0, 0) = PLAYER_WHITE;
                doc.m_posCurrent = prev;
                doc.m_posCurrent.MoveStone(5, 3, 6, 3);
                doc.m_posCurrent.Cell(4, 3) = CELL_EMPTY;
                doc.m_nState = nState;
                doc.m_nMarkerSide = nMarkerSide;
                const QImage image = Render(doc);

                const bool bShown = nState == STATE_PLACE || nState == STATE_SELECT_SLIDE ||
                                    nState == STATE_SELECT_JUMP || nState == STATE_AUTOPLAY;
                const bool bBlack = nMarkerSide == PLAYER_BLACK;
                // Each point's colours without a marker: at radius 110, at radius 61.
                struct Marker {
                    int r, c;
                    COLORREF crShown, crOuter, crInner;
                };
                const Marker aMarkers[] = {
                    {4, 3, bBlack ? COLOR_MARKER_REMOVED : COLOR_MARKER_LEFT, COLOR_LINE,
                     COLOR_LINE},
                    {5, 3, bBlack ? COLOR_MARKER_LEFT : COLOR_MARKER_REMOVED, COLOR_LINE,
                     COLOR_LINE},
                    {6, 3, COLOR_MARKER_ARRIVED, COLOR_BLACK_RING, COLOR_BLACK_FACE},
                };
                for (const Marker& marker : aMarkers) {
                    const int x = G(marker.r);
                    const int y = G(marker.c);
                    QCOMPARE(At(image, x + 88, y - 66),  // 37 degrees, inside the wedge
                             Color(bShown ? marker.crShown : marker.crOuter));
                    QCOMPARE(At(image, x + 60, y + 10), Color(marker.crInner));  // below it
                    QCOMPARE(At(image, x - 88, y + 66), Color(marker.crOuter));  // opposite
                }
                QCOMPARE(At(image, G(6) + 88, G(0) - 66), Color(COLOR_BLACK_RING));
            }
        }
    }

    // Repaints without erasing: hand stones and captured stones that are gone are covered,
    // the captured rows are cleared from G[n] - 312.
    void HandsAndCapturedRowsOverpaint() {
        CPelvarDoc doc(m_services);
        ClearBoard(doc);
        doc.m_posCurrent.Hand(PLAYER_WHITE) = 4;  // five white stones captured
        doc.m_posCurrent.Hand(PLAYER_BLACK) = 5;  // four black stones captured
        QImage image = Blank();
        Paint(image, doc);
        QCOMPARE(At(image, G(4), G(8)), Color(COLOR_WHITE_FACE));
        QCOMPARE(At(image, G(3), G(9)), Color(COLOR_BLACK_FACE));

        CPelvarDoc docLater(m_services);  // hands 3 and 8: three white and one black taken
        ClearBoard(docLater);
        docLater.m_posCurrent.Hand(PLAYER_WHITE) = 3;
        docLater.m_posCurrent.Cell(0, 0) = docLater.m_posCurrent.Cell(0, 3) = PLAYER_WHITE;
        docLater.m_posCurrent.Cell(0, 6) = PLAYER_WHITE;
        docLater.m_posCurrent.Hand(PLAYER_BLACK) = 8;
        docLater.m_posPrevious = docLater.m_posCurrent;
        Paint(image, docLater);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(At(image, G(8 + i / 7), G(i % 7)),
                     Color(i < 3 ? COLOR_WHITE_FACE : COLOR_BACKGROUND));
            QCOMPARE(At(image, G(10 + i / 7), G(i % 7)),
                     Color(i < 8 ? COLOR_BLACK_FACE : COLOR_BACKGROUND));
        }
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(At(image, G(k), G(8)), Color(k < 3 ? COLOR_WHITE_FACE : COLOR_BACKGROUND));
            QCOMPARE(At(image, G(k), G(9)), Color(k < 1 ? COLOR_BLACK_FACE : COLOR_BACKGROUND));
        }
        // The third white stone's shadow reaches to 2194 and is cut at G[3] - 312 = 2188.
        QCOMPARE(At(image, 2182, 5700), Color(COLOR_STONE_SHADOW));
        QCOMPARE(At(image, 2195, 5700), Color(COLOR_BACKGROUND));
        QCOMPARE(At(image, 8100, 6000), Color(COLOR_BACKGROUND));
        QCOMPARE(At(image, 8140, 6000), SENTINEL);  // the rows end at 8125
    }

    // The keyboard focus: no frame until a key has been used on the board, then a blue frame
    // around the focused point. Moved onto a stone and on, it leaves the picture exactly as a
    // fresh paint of the new focus would.
    void FocusFrameLeavesNothingBehind() {
        CPelvarDoc doc(m_services);
        doc.m_posCurrent.Cell(3, 0) = PLAYER_WHITE;  // d7
        doc.m_posCurrent.Hand(PLAYER_WHITE) = 8;
        doc.m_posPrevious = doc.m_posCurrent;
        QCOMPARE(At(Render(doc), G(0) - 340, G(0)), Color(COLOR_BOARD));
        doc.m_bFocusShown = true;
        QImage image = Render(doc);
        QCOMPARE(At(image, G(0) - 340, G(0)), Color(COLOR_FOCUS));  // a7's frame, left
        QCOMPARE(At(image, G(0), G(0) + 340), Color(COLOR_FOCUS));  // and bottom
        for (BoardPoint focus : {BoardPoint{3, 0}, BoardPoint{3, 1}, BoardPoint{6, 0}}) {
            doc.m_focus = focus;
            Paint(image, doc);
            QVERIFY2(image == Render(doc),
                     qPrintable(QStringLiteral("focus (%1,%2)").arg(focus.nRow).arg(focus.nCol)));
        }
        QCOMPARE(At(image, G(6) + 340, G(0)), Color(COLOR_FOCUS));
        QCOMPARE(At(image, G(3) + 340, G(0) + 340), Color(COLOR_BOARD));
    }

    // Counts outside 0..9 stay inside the picture's areas.
    void CountsOutOfRange() {
        CPelvarDoc doc(m_services);
        ClearBoard(doc);
        doc.m_posCurrent.Hand(PLAYER_WHITE) = 40;  // no white stone captured, nine in hand
        doc.m_posCurrent.Hand(PLAYER_BLACK) = -5;  // nine black stones captured, none in hand
        const QImage image = Render(doc);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(At(image, G(8 + i / 7), G(i % 7)), Color(COLOR_WHITE_FACE));
            QCOMPARE(At(image, G(i), G(9)), Color(COLOR_BLACK_FACE));
            QCOMPARE(At(image, G(10 + i / 7), G(i % 7)), Color(COLOR_BACKGROUND));
        }
        QCOMPARE(At(image, G(9), G(2)), Color(COLOR_BACKGROUND));
        QCOMPARE(At(image, G(0), G(8)), Color(COLOR_BACKGROUND));
        QCOMPARE(At(image, G(9), G(9)), Color(COLOR_BACKGROUND));
    }

    // The statistics line above the board while the option is on; its blanks clear the end
    // of a longer line painted before.
    void StatisticsLine() {
        CPelvarDoc doc(m_services);
        doc.m_dlgSettings.m_bShowStatistics = 1;
        g_nSearchDepth = 12;
        g_nNodeCount = 123456789;
        QImage image = Blank();
        Paint(image, doc);
        const auto darkPixels = [&image](int nFromX, int nToX) {
            int nDark = 0;
            for (int x = nFromX; x < nToX; ++x) {
                for (int y = 0; y < 30; ++y) {
                    const QColor color = image.pixelColor(x, y);
                    nDark += qMax(color.red(), qMax(color.green(), color.blue())) < 128 ? 1 : 0;
                }
            }
            return nDark;
        };
        QPainter painterMeasure(&image);
        const QFontMetrics metrics = painterMeasure.fontMetrics();
        painterMeasure.end();
        const int nLongEnd = 5 + metrics.horizontalAdvance("Hz: 11, Pos: 123456789, BS: 0, BW: 0");
        QVERIFY(darkPixels(0, 800) > 50);
        QVERIFY(darkPixels(nLongEnd - 20, nLongEnd) > 0);

        g_nSearchDepth = 0;
        g_nNodeCount = 0;
        Paint(image, doc);
        const int nShortEnd = 5 + metrics.horizontalAdvance("Hz: -1, Pos: 0, BS: 0, BW: 0");
        QVERIFY(darkPixels(0, nShortEnd) > 50);
        QCOMPARE(darkPixels(nShortEnd + 2, 800), 0);

        doc.m_dlgSettings.m_bShowStatistics = 0;
        const QImage imageOff = Render(doc);
        for (int x = 0; x < 800; ++x) {
            QCOMPARE(imageOff.pixelColor(x, 12), SENTINEL);
        }
    }
};

QTEST_MAIN(CBoardPainterTest)
#include "board_painter_test.moc"
