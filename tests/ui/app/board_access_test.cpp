// The board without mouse and sight, in the real window on the real document: a game played
// to its end with the keys alone, and the board's accessibility tree as the game goes. (The
// events that announce the changes need an accessibility bridge, which the offscreen
// platform lacks: the end-to-end test on the real bus receives them.)
#include <QTest>

#include <QAccessible>

#include "board_accessible_text.h"
#include "board_mapping.h"
#include "main_frame.h"
#include "pelvar_app.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "test_support.h"
#include "user_texts.h"
#include "window_test_suite.h"

namespace {

// The sliding phase one move before white wins: white slides b4 to a4 and closes the mill
// a7 a4 a1. Black's mill g7 g4 g1 cannot be captured; after the capture of b2 black keeps
// four stones, g7 g4 g1 f6, all hemmed in by white on d7 d6 f4 d1, and has lost.
void SetUpEnding(CPelvarDoc& doc) {
    SetUpGame(doc,
              BoardWith({{0, 0}, {0, 6}, {1, 3}, {3, 0}, {3, 1}, {5, 3}, {3, 6}},
                        {{6, 0}, {6, 3}, {6, 6}, {5, 1}, {1, 5}}),
              STATE_SELECT_SLIDE);
    doc.RedrawNow();
}

}  // namespace

class CBoardAccessTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keysPlayAGameToItsEnd();
    void accessibleTreeFollowsTheGame();

private:
    void Keys(std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys) {
            QTest::keyClick(View(), key);
        }
    }
    std::unique_ptr<CPelvarApp> m_pApp;
    CPelvarView* View() const { return m_pApp->Frame().View(); }
    CPelvarDoc& Doc() const { return m_pApp->Document(); }
};

void CBoardAccessTest::init() {
    m_pApp = std::make_unique<CPelvarApp>();
    QVERIFY(m_pApp->InitInstance(QByteArray()));
    QVERIFY(QTest::qWaitForWindowActive(&m_pApp->Frame()));
    Doc().m_dlgSettings.m_dSecondsPerMove = 0.05;
}

void CBoardAccessTest::cleanup() {
    m_pApp.reset();
}

void CBoardAccessTest::keysPlayAGameToItsEnd() {
    // The board has the focus from the start, on a7, not yet drawn.
    QCOMPARE(QApplication::focusWidget(), View());
    QVERIFY(!Doc().m_bFocusShown);

    // Return places on a7; the computer answers within the same key.
    Keys({Qt::Key_Return});
    QVERIFY(Doc().m_bFocusShown);
    QCOMPARE(Doc().m_posCurrent.Cell(0, 0), PLAYER_WHITE);
    QCOMPARE(Doc().m_posCurrent.Hand(PLAYER_BLACK), 8);
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_PLACE));

    // Down and Right reach b4; Return picks it, Escape drops it, Space picks it again.
    SetUpEnding(Doc());
    Keys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Return});
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SLIDE_TARGET));
    QCOMPARE(Doc().m_nSelRow, 1);
    QCOMPARE(Doc().m_nSelCol, 3);
    Keys({Qt::Key_Escape});
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_SELECT_SLIDE));
    Keys({Qt::Key_Space, Qt::Key_Left, Qt::Key_Enter});
    QCOMPARE(Doc().m_posCurrent.Cell(0, 3), PLAYER_WHITE);
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_CAPTURE));

    // g4 stands in a mill: the refusal, answered "try again", keeps the capture pending.
    Keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right});
    QCOMPARE(Doc().m_focus, (BoardPoint{6, 3}));
    bool bRefused = false;
    CModalAnswerer answerYes([](QWidget* pBox) { ClickMessageBoxButton(pBox, QMessageBox::Yes); },
                             &bRefused);
    Keys({Qt::Key_Return});
    QVERIFY(bRefused);
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_CAPTURE));
    QCOMPARE(Doc().m_posCurrent.Cell(6, 3), PLAYER_BLACK);

    // b2 is free: its capture leaves black hemmed in, the human has won, a new game begins.
    Keys({Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down});
    QCOMPARE(Doc().m_focus, (BoardPoint{1, 5}));
    QString strOutcome;
    CModalAnswerer answerOk([&](QWidget* pBox) {
        strOutcome = qobject_cast<QMessageBox*>(pBox)->text();
        ClickMessageBoxButton(pBox, QMessageBox::Ok);
    });
    Keys({Qt::Key_Return});
    QCOMPARE(strOutcome, QString::fromUtf8(TEXT_HUMAN_WINS));
    Position start;
    QCOMPARE(Doc().m_posCurrent, start.ResetPosition());
    QCOMPARE(Doc().m_nState, static_cast<int>(STATE_PLACE));
    QCOMPARE(QAccessible::queryAccessibleInterface(View())->child(23)->text(QAccessible::Name),
             QStringLiteral("g1 leer"));
}

void CBoardAccessTest::accessibleTreeFollowsTheGame() {
    QAccessibleInterface* pBoard = QAccessible::queryAccessibleInterface(View());
    QVERIFY(pBoard != nullptr);
    QCOMPARE(pBoard->text(QAccessible::Name), QStringLiteral("Spielbrett"));
    QCOMPARE(pBoard->text(QAccessible::Description),
             QStringLiteral("Setzen Sie einen Stein auf einen freien Punkt. Weiß: 9 in der "
                            "Hand, 0 geschlagen. Schwarz: 9 in der Hand, 0 geschlagen."));
    QCOMPARE(pBoard->childCount(), POINT_COUNT);
    const QStringList points = {"a7", "d7", "g7", "b6", "d6", "f6", "c5", "d5",
                                "e5", "a4", "b4", "c4", "e4", "f4", "g4", "c3",
                                "d3", "e3", "b2", "d2", "f2", "a1", "d1", "g1"};
    for (int i = 0; i < POINT_COUNT; ++i) {
        QAccessibleInterface* pPoint = pBoard->child(i);
        QCOMPARE(pPoint->text(QAccessible::Name), points[i] + QStringLiteral(" leer"));
        QCOMPARE(pPoint->parent(), pBoard);
        QCOMPARE(pBoard->indexOfChild(pPoint), i);
        QCOMPARE(pPoint->state().focused, i == 0);
        const QPoint centre = pPoint->rect().center();
        QCOMPARE(pBoard->childAt(centre.x(), centre.y()), pPoint);
    }
    QCOMPARE(pBoard->focusChild(), pBoard->child(0));

    // Right moves the focus to d7; Return places there and the computer answers.
    QTest::keyClick(View(), Qt::Key_Right);
    QVERIFY(pBoard->child(1)->state().focused);
    QVERIFY(!pBoard->child(0)->state().focused);
    QTest::keyClick(View(), Qt::Key_Return);
    QCOMPARE(pBoard->child(1)->text(QAccessible::Name), QStringLiteral("d7 weiß"));
    QVERIFY(pBoard->child(1)->text(QAccessible::Description).isEmpty());
    int nBlack = -1;
    for (int i = 0; i < POINT_COUNT; ++i) {
        if (pBoard->child(i)->text(QAccessible::Name).endsWith(QStringLiteral(" schwarz"))) {
            QCOMPARE(nBlack, -1);
            nBlack = i;
        }
    }
    QVERIFY(nBlack >= 0);
    QVERIFY(pBoard->text(QAccessible::Description)
                .endsWith(QStringLiteral("Weiß: 8 in der Hand, 0 geschlagen. Schwarz: 8 in der "
                                         "Hand, 0 geschlagen.")));

    // A picked stone is selected until it is dropped.
    SetUpSlidingGame(Doc());
    Doc().RedrawNow();
    QTest::keyClick(View(), Qt::Key_Return);  // d7 holds a white stone
    QVERIFY(pBoard->child(1)->state().selected);
    QVERIFY(pBoard->text(QAccessible::Description)
                .startsWith(QStringLiteral("Ziehen Sie den "
                                           "Stein von d7")));
    QTest::keyClick(View(), Qt::Key_Escape);
    QVERIFY(!pBoard->child(1)->state().selected);

    // A point's default action (where a braille display routes) is Return on that point.
    QTest::keyClick(View(), Qt::Key_Left);
    pBoard->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Doc().m_focus, (BoardPoint{3, 0}));
    QVERIFY(pBoard->child(1)->state().selected);

    // A point's name typed on the board takes the focus there.
    QTest::keyClicks(View(), QStringLiteral("g1"));
    QVERIFY(pBoard->child(23)->state().focused);
    QTest::keyClicks(View(), QStringLiteral("d7"));
    QVERIFY(pBoard->child(1)->state().focused);
    // Not while the About box is open, where a click on d6, the slide's target, is blocked.
    CModalAnswerer pressInBox([pBoard](QWidget* pModal) {
        pBoard->child(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        qobject_cast<QDialog*>(pModal)->reject();
    });
    m_pApp->OnAppAbout();
    QCOMPARE(Doc().m_focus, (BoardPoint{3, 0}));
    QVERIFY(pBoard->child(1)->state().selected);
}

QTEST_MAIN(CBoardAccessTest)
#include "board_access_test.moc"
