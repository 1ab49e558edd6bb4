// The main window: menu structure and ids, status bar prompts and panes, the status bar
// switch, accelerators, command enabling and the About box.
#include <QSignalSpy>
#include <QTest>

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "dialog_units.h"
#include "info_dialog.h"
#include "main_frame.h"
#include "pelvar_app.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "resource_ids.h"
#include "test_support.h"
#include "window_test_suite.h"

namespace {

struct ExpectedItem {
    QString strText;  // "" for a separator
    int nId;
};

QMenu* PopupMenu(CMainFrame& frame, int nIndex) {
    return frame.menuBar()->actions().at(nIndex)->menu();
}

// The game members that no window command may change.
struct GameSnapshot {
    Position posCurrent, posPrevious;
    int nState, nSelRow, nSelCol, nMarkerSide;
    double dSeconds;
    int bStatistics, bRandom;

    explicit GameSnapshot(const CPelvarDoc& doc)
        : posCurrent(doc.m_posCurrent),
          posPrevious(doc.m_posPrevious),
          nState(doc.m_nState),
          nSelRow(doc.m_nSelRow),
          nSelCol(doc.m_nSelCol),
          nMarkerSide(doc.m_nMarkerSide),
          dSeconds(doc.m_dlgSettings.m_dSecondsPerMove),
          bStatistics(doc.m_dlgSettings.m_bShowStatistics),
          bRandom(doc.m_dlgSettings.m_bRandomMoves) {}
    bool operator==(const GameSnapshot&) const = default;
};

}  // namespace

class CMainFrameTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void startsUntitledWithIdlePrompt();
    void menuStructureAndIds();
    void menuPromptsInMessagePane();
    void menuBarOpensOnF10AndAltAlone();
    void statusBarSwitch();
    void indicatorPanes();
    void acceleratorKeysLeaveGameUntouched();
    void commandsFollowDocumentState();
    void aboutBoxLayout();
    void aboutCommandRunsModalBox();
};

void CMainFrameTest::startsUntitledWithIdlePrompt() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Unbenannt - Pelvar"));
    QCOMPARE(app.Frame().MessageText(), QStringLiteral("Bereit"));
    QVERIFY(app.Frame().isVisible());
    QCOMPARE(app.Frame().centralWidget(), app.Frame().View());
    QCOMPARE(app.Frame().windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
}

void CMainFrameTest::menuStructureAndIds() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    const QList<QPair<QString, QList<ExpectedItem>>> expected = {
        {"&Datei", {{"&Autoplay", 32772}, {"", 0}, {"&Beenden", 57665}}},
        {"&Ansicht", {{"S&tatusleiste", 59393}}},
        {"&Einstellungen", {{"&Optionen", 32771}}},
        {"&?", {{"Inf&o über Pelvar...", 57664}}},
    };
    const QList<QAction*> popups = app.Frame().menuBar()->actions();
    QCOMPARE(popups.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(popups[i]->text(), expected[i].first);
        const QList<QAction*> items = popups[i]->menu()->actions();
        QCOMPARE(items.size(), expected[i].second.size());
        for (qsizetype k = 0; k < items.size(); ++k) {
            const ExpectedItem& item = expected[i].second[k];
            QCOMPARE(items[k]->isSeparator(), item.nId == 0);
            if (item.nId != 0) {
                QCOMPARE(items[k]->text(), item.strText);
                QCOMPARE(items[k]->data().toInt(), item.nId);
                // Menu items carry no key: New, Open and Save are keys without items.
                QVERIFY(items[k]->shortcuts().isEmpty());
            }
        }
    }
    QVERIFY(app.Frame().CommandAction(ID_VIEW_STATUS_BAR)->isCheckable());
}

void CMainFrameTest::menuPromptsInMessagePane() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CMainFrame& frame = app.Frame();

    // Highlight each item by keyboard in its open menu: (popup, downs, expected prompt).
    const QList<std::tuple<int, int, QString>> cases = {
        {0, 1, QString()},  // "&Autoplay" has no string
        {0, 2,
         QStringLiteral("Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden "
                        "sollen.")},
        {1, 1, QStringLiteral("Blendet die Statusleiste ein oder aus.")},
        {2, 1, QStringLiteral("Allgemeine Programmeinstellungen")},
        {3, 1, QStringLiteral("Zeigt Programm-Informationen, Versionsnummer und Copyright an.")},
    };
    for (const auto& [nPopup, nDowns, strPrompt] : cases) {
        QMenu* pMenu = PopupMenu(frame, nPopup);
        pMenu->popup(frame.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(pMenu));
        frame.SetMessageText(QStringLiteral("vorher"));
        for (int i = 0; i < nDowns; ++i) {
            QTest::keyClick(pMenu, Qt::Key_Down);
        }
        QCOMPARE(frame.MessageText(), strPrompt);
        pMenu->hide();
        QCOMPARE(frame.MessageText(), QStringLiteral("Bereit"));
    }
}

// F10, and Alt pressed and released alone, open the first menu; Alt with a key between opens
// nothing. While the menu is open the keys stay in it, and the second Escape gives the board
// its focus back where it was.
void CMainFrameTest::menuBarOpensOnF10AndAltAlone() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QVERIFY(QTest::qWaitForWindowActive(&app.Frame()));
    CPelvarView* pView = app.Frame().View();
    const auto altAlone = [](QWidget* pWidget) {
        QTest::keyPress(pWidget, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(pWidget, Qt::Key_Alt);
    };
    const auto altAfterShift = [](QWidget* pWidget) {
        QTest::keyPress(pWidget, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(pWidget, Qt::Key_Shift, Qt::AltModifier | Qt::ShiftModifier);
        QTest::keyRelease(pWidget, Qt::Key_Alt);
    };
    const QList<std::pair<void (*)(QWidget*), bool>> cases = {
        {altAlone, true},
        {[](QWidget* pWidget) { QTest::keyClick(pWidget, Qt::Key_F10); }, true},
        {altAfterShift, false},
    };
    for (const auto& [fnKeys, bOpens] : cases) {
        fnKeys(pView);
        QMenu* pOpen = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(pOpen != nullptr, bOpens);
        if (pOpen != nullptr) {
            QCOMPARE(pOpen, PopupMenu(app.Frame(), 0));
            QTest::keyClick(pOpen, Qt::Key_Down);
            QTest::keyClick(pOpen, Qt::Key_Escape);
            QTRY_COMPARE(QApplication::activePopupWidget(), nullptr);
            // The menu bar keeps the keys until a second Escape.
            QCOMPARE(app.Frame().focusWidget(), app.Frame().menuBar());
            QTest::keyClick(app.Frame().menuBar(), Qt::Key_Escape);
        }
        QCOMPARE(app.Frame().focusWidget(), pView);
        QCOMPARE(app.Document().m_focus, (BoardPoint{0, 0}));
    }
}

void CMainFrameTest::statusBarSwitch() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CMainFrame& frame = app.Frame();
    QAction* pSwitch = frame.CommandAction(ID_VIEW_STATUS_BAR);
    QVERIFY(frame.statusBar()->isVisible());
    QVERIFY(pSwitch->isChecked());

    pSwitch->trigger();
    QVERIFY(!frame.statusBar()->isVisible());
    QVERIFY(!pSwitch->isChecked());
    // The progress display may still write while the bar is hidden.
    frame.SetMessageText(QStringLiteral("Suche besten Zug  10 %"));

    pSwitch->trigger();
    QVERIFY(frame.statusBar()->isVisible());
    QVERIFY(pSwitch->isChecked());
    QCOMPARE(frame.MessageText(), QStringLiteral("Suche besten Zug  10 %"));
}

void CMainFrameTest::indicatorPanes() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    // The offscreen platform cannot tell the lock keys: the panes exist and stay empty.
    const QList<QLabel*> panes = app.Frame().statusBar()->findChildren<QLabel*>();
    QCOMPARE(panes.size(), 4);
    for (int nId : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) {
        QCOMPARE(app.Frame().IndicatorText(nId), QString());
    }
}

void CMainFrameTest::acceleratorKeysLeaveGameUntouched() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CMainFrame& frame = app.Frame();
    CPelvarDoc& doc = app.Document();
    SetUpSlidingGame(doc);
    doc.m_nState = STATE_SLIDE_TARGET;
    doc.m_nSelRow = 0;
    doc.m_nSelCol = 3;
    const GameSnapshot before(doc);
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    // Each edit and pane key reaches its command (the same command for both keys of a pair),
    // which nothing handles.
    const QList<QPair<int, QKeyCombination>> keys = {
        {ID_EDIT_UNDO, Qt::CTRL | Qt::Key_Z},        {ID_EDIT_CUT, Qt::CTRL | Qt::Key_X},
        {ID_EDIT_COPY, Qt::CTRL | Qt::Key_C},        {ID_EDIT_PASTE, Qt::CTRL | Qt::Key_V},
        {ID_EDIT_UNDO, Qt::ALT | Qt::Key_Backspace}, {ID_EDIT_CUT, Qt::SHIFT | Qt::Key_Delete},
        {ID_EDIT_COPY, Qt::CTRL | Qt::Key_Insert},   {ID_EDIT_PASTE, Qt::SHIFT | Qt::Key_Insert},
        {ID_NEXT_PANE, QKeyCombination(Qt::Key_F6)}, {ID_PREV_PANE, Qt::SHIFT | Qt::Key_F6},
    };
    for (const auto& [nId, key] : keys) {
        QSignalSpy spy(frame.CommandAction(nId), &QAction::triggered);
        QTest::keyClick(&frame, key.key(), key.keyboardModifiers());
        QCOMPARE(spy.count(), 1);
        QVERIFY(GameSnapshot(doc) == before);
    }
    QCOMPARE(frame.windowTitle(), QStringLiteral("Unbenannt - Pelvar"));

    // Ctrl+N: a new document, the same game.
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(GameSnapshot(doc) == before);
    QCOMPARE(frame.windowTitle(), QStringLiteral("Unbenannt - Pelvar"));

    // Ctrl+O and Ctrl+S with their dialogs cancelled.
    for (Qt::Key key : {Qt::Key_O, Qt::Key_S}) {
        bool bSeen = false;
        CModalAnswerer answer([](QWidget* pModal) { qobject_cast<QDialog*>(pModal)->reject(); },
                              &bSeen);
        QTest::keyClick(&frame, key, Qt::ControlModifier);
        QVERIFY(bSeen);
        QVERIFY(GameSnapshot(doc) == before);
        QCOMPARE(frame.windowTitle(), QStringLiteral("Unbenannt - Pelvar"));
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
    }
}

void CMainFrameTest::commandsFollowDocumentState() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CMainFrame& frame = app.Frame();
    CPelvarDoc& doc = app.Document();
    QAction* pOptions = frame.CommandAction(ID_OPTIONS);
    QAction* pAutoplay = frame.CommandAction(ID_AUTOPLAY);

    for (int nState = STATE_THINKING; nState <= STATE_AUTOPLAY; ++nState) {
        doc.m_nState = nState;
        emit PopupMenu(frame, 2)->aboutToShow();
        QCOMPARE(pOptions->isEnabled(), nState != STATE_THINKING && nState != STATE_AUTOPLAY);
        QVERIFY(pAutoplay->isEnabled());
    }

    // A repaint of the document brings the items up to date too.
    doc.m_nState = STATE_THINKING;
    doc.RedrawNow();
    QVERIFY(!pOptions->isEnabled());
    doc.m_nState = STATE_PLACE;
    doc.RedrawNow();
    QVERIFY(pOptions->isEnabled());

    // While the document's message box runs (a refused capture), autoplay is disabled and a
    // menu opening in the meantime shows it so.
    SetUpSlidingGame(doc);
    doc.m_nState = STATE_CAPTURE;
    bool bAutoplayEnabledInBox = true;
    CModalAnswerer answer([&](QWidget* pModal) {
        emit PopupMenu(frame, 0)->aboutToShow();
        bAutoplayEnabledInBox = pAutoplay->isEnabled();
        ClickMessageBoxButton(pModal, QMessageBox::Yes);
    });
    doc.OnFieldClick(3, 6);
    QVERIFY(!bAutoplayEnabledInBox);
    QCOMPARE(doc.m_nState, static_cast<int>(STATE_CAPTURE));
    emit PopupMenu(frame, 0)->aboutToShow();
    QVERIFY(pAutoplay->isEnabled());
}

void CMainFrameTest::aboutBoxLayout() {
    CInfoDialog dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Info über Pelvar"));
    const DialogBaseUnits base = MeasureDialogBaseUnits(dlg.font());
    QCOMPARE(dlg.size(), DialogUnitsToPixels(QRect(0, 0, 235, 55), base).size());
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());

    const QList<QPushButton*> buttons = dlg.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons[0]->text(), QStringLiteral("OK"));
    QVERIFY(buttons[0]->isDefault());
    QCOMPARE(buttons[0]->geometry(), DialogUnitsToPixels(QRect(178, 7, 50, 14), base));

    // Icon 128 at its own size, placed at the control's position.
    QStringList texts;
    int nIcons = 0;
    for (QLabel* pLabel : dlg.findChildren<QLabel*>()) {
        if (!pLabel->pixmap().isNull()) {
            ++nIcons;
            QCOMPARE(pLabel->pixmap().size(), QSize(32, 32));
            QCOMPARE(pLabel->pos(), DialogUnitsToPixels(QRect(11, 17, 20, 20), base).topLeft());
        }
        if (!pLabel->text().isEmpty()) {
            texts << pLabel->text();
            QCOMPARE(pLabel->textFormat(), Qt::PlainText);
        }
    }
    QCOMPARE(nIcons, 1);
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts.contains(QStringLiteral("Pelvar Version 1.7 (für Tobrek)")));
    QVERIFY(texts.filter(QStringLiteral("Copyright")).size() == 1);
    for (QLabel* pLabel : dlg.findChildren<QLabel*>()) {
        if (pLabel->text().startsWith(QStringLiteral("Pelvar Version"))) {
            QCOMPARE(pLabel->geometry(), DialogUnitsToPixels(QRect(40, 10, 133, 8), base));
        }
    }
}

void CMainFrameTest::aboutCommandRunsModalBox() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QString strTitle;
    CModalAnswerer answer([&](QWidget* pModal) {
        strTitle = pModal->windowTitle();
        pModal->findChild<QPushButton*>()->click();
    });
    app.Frame().OnCommand(ID_APP_ABOUT);
    QCOMPARE(strTitle, QStringLiteral("Info über Pelvar"));
}

QTEST_MAIN(CMainFrameTest)
#include "main_frame_test.moc"
