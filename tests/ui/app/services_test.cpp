// The framework services on Qt and safe quitting: message boxes with caption, icon, German
// buttons and answers; synchronous paints; the nesting wait cursor; and a close while the
// document is inside a handler, which must wait for the handler and still exit with 0.
#include <QLibraryInfo>
#include <QTest>

#include <QAbstractButton>

#include "board_mapping.h"
#include "main_frame.h"
#include "paint_counter.h"
#include "pelvar_app.h"
#include "pelvar_doc.h"
#include "pelvar_view.h"
#include "qt_framework_services.h"
#include "resource_ids.h"
#include "test_support.h"
#include "user_texts.h"
#include "window_test_suite.h"

class CServicesTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void questionBox();
    void outcomeBox();
    void noBoxOnceQuitting();
    void paintIsSynchronous();
    void waitCursorNests();
    void closeWhileHandlerRunsWaitsForIt();
    void closeWhenIdleExitsWithZero();
};

void CServicesTest::questionBox() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CQtFrameworkServices& services = app.Services();
    const std::string strText = TEXT_CAPTURE_REFUSED;

    // Answer, button clicked.
    const QList<QPair<int, QMessageBox::StandardButton>> cases = {{IDYES, QMessageBox::Yes},
                                                                  {IDNO, QMessageBox::No}};
    for (const auto& [nAnswer, button] : cases) {
        QString strTitle, strShown, strYes, strNo;
        QMessageBox::Icon eIcon = QMessageBox::NoIcon;
        CModalAnswerer answer([&, button = button](QWidget* pModal) {
            auto* pBox = qobject_cast<QMessageBox*>(pModal);
            strTitle = pBox->windowTitle();
            strShown = pBox->text();
            eIcon = pBox->icon();
            strYes = pBox->button(QMessageBox::Yes)->text();
            strNo = pBox->button(QMessageBox::No)->text();
            // Escape and the close button are no answer: the box stays open.
            QTest::keyClick(pBox, Qt::Key_Escape);
            QVERIFY(!pBox->close());
            QVERIFY(pBox->isVisible());
            pBox->button(button)->click();
        });
        QCOMPARE(services.MessageBox(strText, MB_YESNO | MB_ICONQUESTION), nAnswer);
        QCOMPARE(strTitle, QStringLiteral("Pelvar"));
        QCOMPARE(strShown, QString::fromUtf8(TEXT_CAPTURE_REFUSED));
        QCOMPARE(eIcon, QMessageBox::Question);
        if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                              QStringLiteral("/qtbase_de.qm"))) {
            QCOMPARE(strYes, QStringLiteral("&Ja"));
            QCOMPARE(strNo, QStringLiteral("&Nein"));
        }
    }
}

void CServicesTest::outcomeBox() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QMessageBox::Icon eIcon = QMessageBox::NoIcon;
    int nButtons = 0;
    QWidget* pParent = nullptr;
    CModalAnswerer answer([&](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        eIcon = pBox->icon();
        nButtons = pBox->buttons().size();
        pParent = pBox->parentWidget();
        pBox->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(app.Services().MessageBox(TEXT_COMPUTER_WINS, MB_OK), IDOK);
    QCOMPARE(eIcon, QMessageBox::Warning);
    QCOMPARE(nButtons, 1);
    QCOMPARE(pParent, static_cast<QWidget*>(&app.Frame()));
}

void CServicesTest::noBoxOnceQuitting() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    app.Services().RequestQuit();
    bool bShown = false;
    CModalAnswerer answer([](QWidget* pModal) { qobject_cast<QDialog*>(pModal)->reject(); },
                          &bShown, 200);
    QCOMPARE(app.Services().MessageBox(TEXT_ABORT_GAME, MB_YESNO | MB_ICONQUESTION), IDNO);
    QCOMPARE(app.Services().MessageBox(TEXT_WHITE_WINS, MB_OK), IDOK);
    QTest::qWait(50);
    QVERIFY(!bShown);
}

void CServicesTest::paintIsSynchronous() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QVERIFY(QTest::qWaitForWindowExposed(&app.Frame()));
    QVERIFY(app.Services().HasFirstView());
    CPaintCounter counter(app.Frame().View());

    app.Services().UpdateAllViews(1);
    QCOMPARE(counter.m_nPaints, 0);  // an update waits for the event loop ...
    app.Services().PaintFirstViewNow();
    QCOMPARE(counter.m_nPaints, 1);  // ... the immediate paint does not
    QVERIFY(!app.Frame().View()->LastPaintErased());
    QCoreApplication::processEvents();
    QCOMPARE(counter.m_nPaints, 1);  // and it took the pending update with it
}

void CServicesTest::waitCursorNests() {
    CQtFrameworkServices services;
    QApplication::setOverrideCursor(Qt::CrossCursor);  // someone else's
    services.BeginWaitCursor();
    services.BeginWaitCursor();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    services.EndWaitCursor();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    services.EndWaitCursor();
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    services.EndWaitCursor();  // unmatched: leaves the other cursor alone
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QApplication::restoreOverrideCursor();
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // A wait cursor still shown when the services end is taken down with them.
    {
        CQtFrameworkServices other;
        other.BeginWaitCursor();
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void CServicesTest::closeWhileHandlerRunsWaitsForIt() {
    auto pApp = std::make_unique<CPelvarApp>();
    QVERIFY(pApp->InitInstance(QByteArray()));
    CPelvarDoc& doc = pApp->Document();
    CMainFrame& frame = pApp->Frame();
    SetUpSlidingGame(doc);
    doc.m_nState = STATE_CAPTURE;

    // The order of events: the click's handler opens the refusal box; the window is closed
    // while the box is up (as "&Beenden" or the close box would); the handler returns; the
    // message loop ends.
    QStringList events;
    bool bVisibleAfterClose = false;
    bool bBusyAtClose = false;
    CModalAnswerer closeInBox([&](QWidget*) {
        events << QStringLiteral("box");
        bBusyAtClose = doc.IsBusy();
        frame.OnCommand(ID_APP_EXIT);
        bVisibleAfterClose = frame.isVisible();
        events << QStringLiteral("closed");
    });
    QTimer::singleShot(0, [&] {
        const QPoint square(LogicalToDeviceX(GridCoordinate(3)),
                            LogicalToDeviceY(GridCoordinate(6)));
        QTest::mouseClick(frame.View(), Qt::LeftButton, Qt::NoModifier, square);
        events << QStringLiteral("handler returned");
    });
    const int nExitCode = pApp->Run();
    events << QStringLiteral("loop ended");

    QCOMPARE(nExitCode, 0);
    QCOMPARE(events, (QStringList{"box", "closed", "handler returned", "loop ended"}));
    QVERIFY(bBusyAtClose);
    QVERIFY(bVisibleAfterClose);
    QVERIFY(pApp->Services().IsQuitting());
    // The box was not answered: the capture stays pending, no computer move was started.
    QCOMPARE(doc.m_nState, static_cast<int>(STATE_CAPTURE));
    QVERIFY(!doc.IsBusy());
    pApp.reset();
}

void CServicesTest::closeWhenIdleExitsWithZero() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QTimer::singleShot(0, [&] { app.Frame().close(); });
    QCOMPARE(app.Run(), 0);
    QVERIFY(!app.Frame().isVisible());
}

QTEST_MAIN(CServicesTest)
#include "services_test.moc"
