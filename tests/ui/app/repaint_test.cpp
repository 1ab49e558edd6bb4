// Every repaint leaves the view exactly as an erasing paint of the same state would, although
// the document's repaints do not erase: over whole games (random and scripted human games
// against the computer, autoplay games) on scripted window services, at device pixel ratios
// 1 and 2, after every paint of every step: placements, slides, jumps, captures, refused
// captures, dropped picks, the computer's replies, the end-of-game boxes with the new game
// after them, autoplay moves and window resizes.
//
// Left out on purpose: switching the statistics line off leaves the old line until the next
// erasing paint, as written; each game keeps its statistics option from start to end.
#include <QTest>

#include <QImage>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "evaluate.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "scripted_services.h"
#include "search.h"
#include "window_test_suite.h"

namespace {

// A colour the picture never has: the content of a surface before its first paint.
const QColor UNPAINTED(200, 0, 200);

// Window sizes a game passes through: the default one, one that cuts the picture, a larger.
const QSize SIZES[] = {QSize(800, 620), QSize(600, 450), QSize(880, 700)};

// Nodes per search: small, so that the computer's replies are quick.
constexpr int NODES_PER_SEARCH = 200;
constexpr int CLICKS_PER_GAME = 250;     // a random human game that has not ended stops here
constexpr int AUTOPLAY_MOVES = 120;      // an autoplay game that has not ended is quit here
constexpr int CLICKS_PER_RESIZE = 41;    // human games: a resize now and then
constexpr int SEARCHES_PER_RESIZE = 41;  // autoplay games: likewise

enum GameKind { HUMAN_GAME, AUTOPLAY_GAME, HUMAN_WINS, REFUSED_CAPTURE };

// Where the two pictures differ: the number of pixels and the first one; "" when equal.
QString Difference(const QImage& shown, const QImage& fresh) {
    // Both images hold the same format and size, and opaque pixels only: equal bytes are
    // equal pictures (and much quicker to compare than pixel by pixel).
    if (std::memcmp(shown.constBits(), fresh.constBits(), size_t(shown.sizeInBytes())) == 0) {
        return QString();
    }
    int nDiffering = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != fresh.pixel(x, y)) {
                if (nDiffering++ == 0) {
                    first = QPoint(x, y);
                }
            }
        }
    }
    return QStringLiteral("%1 pixels differ, first at device (%2, %3): shown %4, fresh %5")
        .arg(nDiffering)
        .arg(first.x())
        .arg(first.y())
        .arg(QColor(shown.pixel(first)).name(), QColor(fresh.pixel(first)).name());
}

// Views of one document at device pixel ratios 1 and 2, each with a surface that keeps
// whatever its paints leave, as a window's backing store does. After each paint the surface
// is compared with an erasing paint of the same view into a new image.
class CPictures {
public:
    CPictures(CPelvarDoc& doc, const QSize& size) {
        for (const qreal dRatio : {1.0, 2.0}) {
            auto pView = std::make_unique<CPelvarView>(doc);
            // Shown, so that it gets its resize events, but never on a screen: it paints
            // only where render() sends it.
            pView->setAttribute(Qt::WA_DontShowOnScreen);
            pView->show();
            m_screens.push_back({std::move(pView), QImage(), dRatio});
        }
        Resize(size);
    }

    // The step being played, named in a failure.
    void SetStep(const QString& strStep) { m_strStep = strStep; }

    // The document's repaint: each view updated with hint 1, then painted.
    void RedrawNow() {
        for (Screen& screen : m_screens) {
            screen.pView->OnUpdate(HINT_REDRAW);
            PaintAndCompare(screen);
        }
    }

    // The window resized: the surfaces start anew, unpainted, and the toolkit paints. A
    // document repaint pending from before must not keep the paint from erasing.
    void Resize(const QSize& size) {
        for (Screen& screen : m_screens) {
            screen.pView->OnUpdate(HINT_REDRAW);
            screen.pView->resize(size);
            screen.image = QImage(size * screen.dRatio, QImage::Format_RGB32);
            screen.image.setDevicePixelRatio(screen.dRatio);
            screen.image.fill(UNPAINTED);
            PaintAndCompare(screen);
        }
    }

    QSize Size() const { return m_screens.front().pView->size(); }
    int Paints() const { return m_nPaints; }
    // The first difference found, with its step; "" while there is none.
    const QString& Failure() const { return m_strFailure; }

private:
    struct Screen {
        std::unique_ptr<CPelvarView> pView;
        QImage image;
        qreal dRatio;
    };

    void PaintAndCompare(Screen& screen) {
        screen.pView->render(&screen.image, QPoint(), QRegion(), QWidget::RenderFlags());
        QImage fresh(screen.image.size(), QImage::Format_RGB32);
        fresh.setDevicePixelRatio(screen.dRatio);
        fresh.fill(UNPAINTED);
        screen.pView->OnUpdate(0);  // an update that erases
        screen.pView->render(&fresh, QPoint(), QRegion(), QWidget::RenderFlags());
        ++m_nPaints;
        const QString strDifference = Difference(screen.image, fresh);
        if (m_strFailure.isEmpty() && !strDifference.isEmpty()) {
            m_strFailure = QStringLiteral("%1, paint %2 at ratio %3: %4")
                               .arg(m_strStep)
                               .arg(m_nPaints)
                               .arg(screen.dRatio)
                               .arg(strDifference);
        }
    }

    std::vector<Screen> m_screens;
    QString m_strStep;
    QString m_strFailure;
    int m_nPaints = 0;
};

// One game on a new document: scripted services with a small search budget that paint the
// views at every repaint of the document.
struct Game {
    explicit Game(int nSeed) : rng(static_cast<std::mt19937::result_type>(nSeed)) {
        services.m_pDoc = &doc;
        services.m_nNodesPerSearch = NODES_PER_SEARCH + nSeed % 7 * 13;
        doc.m_dlgSettings.m_bShowStatistics = nSeed % 2;
        services.m_fnOnPaint = [this] { pictures.RedrawNow(); };
    }

    // Whether a game has ended with its box (and a new game has been set up).
    bool Ended() const {
        for (const CScriptedServices::ShownBox& box : services.m_boxes) {
            if ((box.nType & MB_YESNO) != MB_YESNO) {
                return true;
            }
        }
        return false;
    }

    int Random(int nBelow) { return std::uniform_int_distribution<int>(0, nBelow - 1)(rng); }
    // A window size other than the present one.
    QSize RandomSize() {
        const int nSizes = static_cast<int>(std::size(SIZES));
        int nIndex = Random(nSizes);
        if (SIZES[nIndex] == pictures.Size()) {
            nIndex = (nIndex + 1 + Random(nSizes - 1)) % nSizes;
        }
        return SIZES[nIndex];
    }

    // A random square that the click of the present state acts on, if there is one: an
    // empty point to place or move to, a black stone to take, a white stone to pick.
    QPoint PlausibleSquare() {
        int nWanted = CELL_EMPTY;
        if (doc.m_nState == STATE_CAPTURE) {
            nWanted = PLAYER_BLACK;
        } else if (doc.m_nState == STATE_SELECT_SLIDE || doc.m_nState == STATE_SELECT_JUMP) {
            nWanted = PLAYER_WHITE;
        }
        std::vector<QPoint> squares;
        for (int r = 0; r < 7; ++r) {
            for (int c = 0; c < 7; ++c) {
                if (doc.m_posCurrent.Cell(r, c) == nWanted) {
                    squares.emplace_back(r, c);
                }
            }
        }
        return squares.empty() ? QPoint(Random(7), Random(7))
                               : squares[static_cast<size_t>(Random(int(squares.size())))];
    }

    // One step of the human: mostly a click on a square that fits the state, else on any
    // square or off the board; now and then a right click or a resize. A refused capture is
    // answered at random.
    void HumanStep(int nStep) {
        const int nDice = Random(100);
        services.m_answers = {Random(2) == 0 ? IDYES : IDNO};
        if (nStep % CLICKS_PER_RESIZE == CLICKS_PER_RESIZE - 1) {
            pictures.SetStep(QStringLiteral("resize after click %1").arg(nStep));
            pictures.Resize(RandomSize());
        } else if (nDice < 4) {
            pictures.SetStep(QStringLiteral("right click %1").arg(nStep));
            doc.OnCancelPick();
        } else {
            const QPoint square = nDice < 75 ? PlausibleSquare() : QPoint(Random(8), Random(7));
            Click(square.x(), square.y());
        }
    }

    // A left click on grid square (nRow, nCol), named in a failure.
    void Click(int nRow, int nCol) {
        pictures.SetStep(QStringLiteral("click on (%1,%2) in state %3 after %4 paints")
                             .arg(nRow)
                             .arg(nCol)
                             .arg(doc.m_nState)
                             .arg(pictures.Paints()));
        doc.OnFieldClick(nRow, nCol);
    }

    void PlayHuman() {
        for (int nStep = 0; nStep < CLICKS_PER_GAME && !Ended(); ++nStep) {
            HumanStep(nStep);
        }
    }

    // Autoplay to its end, or quit (as the window is closed) after AUTOPLAY_MOVES moves. One
    // side searches four times as long as the other, so that the game comes to an end: white
    // with odd seeds, black with even ones.
    void PlayAutoplay(int nSeed) {
        const int nWeak = services.m_nNodesPerSearch;
        services.m_fnOnThinkTimer = [this, nSeed, nWeak] {
            ++nSearches;
            const bool bWhiteSearches = nSearches % 2 == 1;  // autoplay starts with white
            services.m_nNodesPerSearch = bWhiteSearches == (nSeed % 2 == 1) ? 4 * nWeak : nWeak;
            pictures.SetStep(QStringLiteral("autoplay search %1").arg(nSearches));
            if (nSearches % SEARCHES_PER_RESIZE == 0) {
                pictures.Resize(RandomSize());
            }
            services.m_bQuitting = nSearches > AUTOPLAY_MOVES;
        };
        pictures.SetStep(QStringLiteral("autoplay started"));
        doc.OnAutoplay();
    }

    CScriptedServices services;
    CPelvarDoc doc{services};
    CPictures pictures{doc, SIZES[0]};
    std::mt19937 rng;
    int nSearches = 0;
};

}  // namespace

class CRepaintTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void init() {
        g_bRandomMoves = 0;  // the games follow from the seeds alone
        g_nSearchDepth = 0;
        g_nNodeCount = 0;
    }

    void everyPaintEqualsAnErasingPaint_data() {
        QTest::addColumn<int>("nKind");
        QTest::addColumn<int>("nSeed");
        for (int nSeed = 1; nSeed <= 3; ++nSeed) {
            QTest::addRow("random human game %d", nSeed) << int(HUMAN_GAME) << nSeed;
        }
        for (int nSeed = 1; nSeed <= 2; ++nSeed) {
            QTest::addRow("autoplay game %d", nSeed) << int(AUTOPLAY_GAME) << nSeed;
        }
        // Seven black stones captured, then the new game clears their row.
        QTest::addRow("human wins") << int(HUMAN_WINS) << 11;
        QTest::addRow("refused capture, then random") << int(REFUSED_CAPTURE) << 12;
    }

    void everyPaintEqualsAnErasingPaint() {
        QFETCH(int, nKind);
        QFETCH(int, nSeed);
        Game game(nSeed);
        switch (nKind) {
            case HUMAN_GAME:
                game.PlayHuman();
                break;
            case AUTOPLAY_GAME:
                game.PlayAutoplay(nSeed);
                break;
            case HUMAN_WINS:
                // White closes a mill on the top row and takes black's third-last stone.
                SetUpGame(game.doc, BoardWith({{0, 0}, {0, 3}}, {{6, 6}, {5, 5}, {4, 4}}, 1),
                          STATE_PLACE);
                game.Click(0, 6);
                game.Click(5, 5);
                QVERIFY(game.Ended());
                break;
            default:
                // The mill (6,0), (6,3), (6,6) protects its stones; (4,4) may be taken.
                SetUpGame(game.doc,
                          BoardWith({{0, 0}, {0, 3}}, {{6, 0}, {6, 3}, {6, 6}, {4, 4}}, 1),
                          STATE_PLACE);
                game.Click(0, 6);
                game.services.m_answers = {IDYES};
                game.Click(6, 3);
                QCOMPARE(game.services.m_boxes.size(), size_t(1));
                game.Click(4, 4);
                game.PlayHuman();
                break;
        }
        QVERIFY2(game.pictures.Failure().isEmpty(), qPrintable(game.pictures.Failure()));
        QVERIFY2(game.pictures.Paints() > 4, qPrintable(QString::number(game.pictures.Paints())));
    }
};

QTEST_MAIN(CRepaintTest)
#include "repaint_test.moc"
