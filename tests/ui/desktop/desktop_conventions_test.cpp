// The desktop's conventions: the windows name the launcher entry that docks and task bars
// match them to, and the main window keeps the style and font the user's desktop chose (this
// test runs with QT_STYLE_OVERRIDE=windows, as a desktop that sets its style would).
#include <QTest>

#include <QStyle>

#include "main_frame.h"
#include "pelvar_app.h"
#include "test_support.h"
#include "window_test_suite.h"

class CDesktopConventionsTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void windowsNameTheLauncherEntry();
    void mainWindowKeepsTheDesktopStyleAndFont();
};

void CDesktopConventionsTest::windowsNameTheLauncherEntry() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    // The package installs share/applications/pelvar.desktop and the theme icon "pelvar".
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("pelvar"));
    QVERIFY(!app.Frame().windowIcon().isNull());
}

void CDesktopConventionsTest::mainWindowKeepsTheDesktopStyleAndFont() {
    const QFont fontBefore = QApplication::font();
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QVERIFY(QTest::qWaitForWindowExposed(&app.Frame()));

    // The application's style is the one the environment asked for.
    QCOMPARE(QApplication::style()->name(), QStringLiteral("windows"));
    QCOMPARE(QApplication::font(), fontBefore);

    // No part of the main window (menus, status bar, view) has a style or font of its own.
    QList<QWidget*> widgets = app.Frame().findChildren<QWidget*>();
    widgets.prepend(&app.Frame());
    for (QWidget* pWidget : widgets) {
        const QString strName = QString::fromLatin1(pWidget->metaObject()->className());
        QVERIFY2(pWidget->style() == QApplication::style(), qPrintable(strName));
        QVERIFY2(!pWidget->testAttribute(Qt::WA_SetFont), qPrintable(strName));
        QVERIFY2(!pWidget->testAttribute(Qt::WA_SetStyle), qPrintable(strName));
    }
}

QTEST_MAIN(CDesktopConventionsTest)
#include "desktop_conventions_test.moc"
