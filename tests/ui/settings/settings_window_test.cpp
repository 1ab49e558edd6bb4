#include <algorithm>
#include <functional>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "dialog_units.h"
#include "modal_answerer.h"
#include "null_framework_services.h"
#include "pelvar_doc.h"
#include "settings_dialog.h"
#include "settings_window.h"

namespace {

// The caption and text of the next message box, which is answered with OK. Made while the
// window under test is the active modal one; it stops waiting when it goes out of scope.
struct CAnsweredBoxes {
    int nCount = 0;
    QString strTitle;
    QString strText;
    CModalAnswerer answerer{[this](QWidget* pModal) {
        auto* pBox = qobject_cast<QMessageBox*>(pModal);
        if (pBox == nullptr) {
            return;
        }
        ++nCount;
        strTitle = pBox->windowTitle();
        strText = pBox->text();
        if (QAbstractButton* pOk = pBox->button(QMessageBox::Ok)) {
            pOk->click();
        } else {
            pBox->reject();
        }
    }};
};

// fnAnswer(window) for the next settings window that opens modal; the answerer lives as long
// as the caller's scope.
std::function<void(QWidget*)> AnswerSettingsWindow(std::function<void(CSettingsWindow*)> fnAnswer) {
    return [fnAnswer](QWidget* pModal) {
        if (auto* pWindow = qobject_cast<CSettingsWindow*>(pModal)) {
            fnAnswer(pWindow);
        }
    };
}

// Game services that only run the settings dialog: it records what the controls show when
// the dialog opens and cancels it.
class CSettingsOnlyServices final : public CNullFrameworkServices {
public:
    QString m_strSeconds;
    bool m_bStatisticsTicked = false;
    bool m_bRandomTicked = false;

    int DoModalSettings(CSettingsDialog& dlg) override {
        CModalAnswerer answerer(AnswerSettingsWindow([this](CSettingsWindow* pWindow) {
            m_strSeconds = pWindow->findChild<QLineEdit*>("IDC_SECONDS_PER_MOVE")->text();
            m_bStatisticsTicked =
                pWindow->findChild<QCheckBox*>("IDC_SHOW_STATISTICS")->isChecked();
            m_bRandomTicked = pWindow->findChild<QCheckBox*>("IDC_RANDOM_MOVES")->isChecked();
            pWindow->reject();
        }));
        return RunSettingsDialog(dlg, nullptr);
    }
};

// The columns in which two renderings of the same size differ: [nLeft, nRight], or
// nLeft > nRight when they are equal.
struct ChangedColumns {
    int nLeft;
    int nRight;
};

ChangedColumns DifferingColumns(const QImage& imageA, const QImage& imageB) {
    ChangedColumns columns{imageA.width(), -1};
    for (int y = 0; y < imageA.height(); ++y) {
        for (int x = 0; x < imageA.width(); ++x) {
            if (imageA.pixel(x, y) != imageB.pixel(x, y)) {
                columns.nLeft = std::min(columns.nLeft, x);
                columns.nRight = std::max(columns.nRight, x);
            }
        }
    }
    return columns;
}

}  // namespace

// The controls of one opened dialog, found by their ids.
struct SettingsControls {
    QPushButton* pOk;
    QPushButton* pCancel;
    QLineEdit* pSeconds;
    QLabel* pLabel;
    QCheckBox* pStatistics;
    QCheckBox* pRandom;
};

class SettingsWindowTest : public QObject {
    Q_OBJECT

private:
    static SettingsControls Controls(const CSettingsWindow& window) {
        return {window.findChild<QPushButton*>("IDOK"),
                window.findChild<QPushButton*>("IDCANCEL"),
                window.findChild<QLineEdit*>("IDC_SECONDS_PER_MOVE"),
                window.findChild<QLabel*>("IDC_STATIC"),
                window.findChild<QCheckBox*>("IDC_SHOW_STATISTICS"),
                window.findChild<QCheckBox*>("IDC_RANDOM_MOVES")};
    }

    // Options as the document holds them at start.
    static CSettingsDialog DefaultOptions() {
        CSettingsDialog dlg;
        dlg.m_dSecondsPerMove = 3.5;
        dlg.m_bShowStatistics = 0;
        dlg.m_bRandomMoves = 1;
        return dlg;
    }

    static void VerifyUnchanged(const CSettingsDialog& dlg) {
        QCOMPARE(dlg.m_dSecondsPerMove, 3.5);
        QCOMPARE(dlg.m_bShowStatistics, 0);
        QCOMPARE(dlg.m_bRandomMoves, 1);
    }

private slots:
    // The application names itself by its title at start-up; message boxes carry the name.
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Pelvar")); }

    void firstOpeningShowsTheDocumentsDefaults() {
        CSettingsOnlyServices services;
        CPelvarDoc doc(services);
        doc.OnSettings();
        QCOMPARE(services.m_strSeconds, QStringLiteral("3.5"));
        QVERIFY(!services.m_bStatisticsTicked);
        QVERIFY(services.m_bRandomTicked);
    }

    void openingShowsOtherValues() {
        CSettingsDialog dlg;
        dlg.m_dSecondsPerMove = 0.001;
        dlg.m_bShowStatistics = 1;
        dlg.m_bRandomMoves = 0;
        CSettingsWindow window(dlg);
        const SettingsControls controls = Controls(window);
        QCOMPARE(controls.pSeconds->text(), QStringLiteral("0.001"));
        QVERIFY(controls.pStatistics->isChecked());
        QVERIFY(!controls.pRandom->isChecked());
    }

    void acceptedSeconds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("seconds");
        QTest::newRow("lower bound") << "0.001" << 0.001;
        QTest::newRow("upper bound") << "3600" << 3600.0;
        QTest::newRow("comma") << "3,5" << 3.5;
        QTest::newRow("blanks around") << "  2.25  " << 2.25;
        QTest::newRow("plus sign") << "+5" << 5.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
    }

    void acceptedSeconds() {
        QFETCH(QString, text);
        QFETCH(double, seconds);
        CSettingsDialog dlg = DefaultOptions();
        CSettingsWindow window(dlg);
        QSignalSpy finished(&window, &QDialog::finished);
        window.open();
        CAnsweredBoxes boxes;
        Controls(window).pSeconds->setText(text);
        Controls(window).pOk->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
        QCOMPARE(dlg.m_dSecondsPerMove, seconds);
        QCOMPARE(boxes.nCount, 0);
    }

    void refusedSeconds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("exchange");
        const int nOutOfRange = int(CSettingsDialog::Exchange::OutOfRange);
        const int nNotANumber = int(CSettingsDialog::Exchange::NotANumber);
        QTest::newRow("zero") << "0" << nOutOfRange;
        QTest::newRow("above the maximum") << "3600.5" << nOutOfRange;
        QTest::newRow("letters") << "abc" << nNotANumber;
        QTest::newRow("empty") << "" << nNotANumber;
        QTest::newRow("nan") << "nan" << nNotANumber;
        QTest::newRow("inf") << "inf" << nNotANumber;
        QTest::newRow("two signs") << "+-5" << nNotANumber;
        QTest::newRow("sign alone") << "+" << nNotANumber;
    }

    // A refused value keeps the dialog open with the field focused and selected and leaves
    // every option as it was, also when the boxes were changed; a valid value then closes it.
    void refusedSeconds() {
        QFETCH(QString, text);
        QFETCH(int, exchange);
        CSettingsDialog dlg = DefaultOptions();
        CSettingsWindow window(dlg);
        const SettingsControls controls = Controls(window);
        QSignalSpy finished(&window, &QDialog::finished);
        window.open();
        controls.pSeconds->setText(text);
        controls.pStatistics->setChecked(true);
        controls.pRandom->setChecked(false);
        controls.pOk->setFocus();

        CAnsweredBoxes boxes;
        controls.pOk->click();

        QCOMPARE(boxes.nCount, 1);
        QCOMPARE(boxes.strTitle, QStringLiteral("Pelvar"));
        QCOMPARE(boxes.strText, QString::fromStdString(CSettingsDialog::RefusalMessage(
                                    static_cast<CSettingsDialog::Exchange>(exchange))));
        QVERIFY(!boxes.strText.isEmpty());
        QVERIFY(window.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(window.focusWidget(), controls.pSeconds);
        QCOMPARE(controls.pSeconds->text(), text);
        QCOMPARE(controls.pSeconds->selectedText(), text);
        VerifyUnchanged(dlg);

        controls.pSeconds->setText(QStringLiteral("7"));
        controls.pOk->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dlg.m_dSecondsPerMove, 7.0);
        QCOMPARE(dlg.m_bShowStatistics, 1);
        QCOMPARE(dlg.m_bRandomMoves, 0);
    }

    void okWritesAllThree_data() {
        QTest::addColumn<bool>("enterInField");
        QTest::newRow("OK button") << false;
        QTest::newRow("Enter in the field") << true;
    }

    void okWritesAllThree() {
        QFETCH(bool, enterInField);
        CSettingsDialog dlg = DefaultOptions();
        CSettingsWindow window(dlg);
        const SettingsControls controls = Controls(window);
        QSignalSpy finished(&window, &QDialog::finished);
        window.open();
        controls.pSeconds->setText(QStringLiteral("12.25"));
        controls.pStatistics->setChecked(true);
        controls.pRandom->setChecked(false);
        if (enterInField) {
            QTest::keyClick(controls.pSeconds, Qt::Key_Return);
        } else {
            controls.pOk->click();
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_dSecondsPerMove, 12.25);
        QCOMPARE(dlg.m_bShowStatistics, 1);
        QCOMPARE(dlg.m_bRandomMoves, 0);
    }

    void cancelWritesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "cancel";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "close";
        QTest::newRow("Cancel after a refused value") << "refused";
    }

    void cancelWritesNothing() {
        QFETCH(QString, how);
        CSettingsDialog dlg = DefaultOptions();
        CSettingsWindow window(dlg);
        const SettingsControls controls = Controls(window);
        QSignalSpy finished(&window, &QDialog::finished);
        window.open();
        controls.pSeconds->setText(how == "refused" ? QStringLiteral("5000")
                                                    : QStringLiteral("12.25"));
        controls.pStatistics->setChecked(true);
        controls.pRandom->setChecked(false);
        if (how == "cancel") {
            controls.pCancel->click();
        } else if (how == "escape") {
            QTest::keyClick(controls.pSeconds, Qt::Key_Escape);
        } else if (how == "close") {
            window.close();
        } else {
            CAnsweredBoxes boxes;
            controls.pOk->click();
            QCOMPARE(boxes.nCount, 1);
            controls.pCancel->click();
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
        VerifyUnchanged(dlg);
    }

    void runReturnsIdokOrIdcancel() {
        CSettingsDialog dlg = DefaultOptions();
        for (const char* pszButton : {"IDCANCEL", "IDOK"}) {
            CModalAnswerer answerer(AnswerSettingsWindow([pszButton](CSettingsWindow* pWindow) {
                pWindow->findChild<QLineEdit*>("IDC_SECONDS_PER_MOVE")->setText("9");
                pWindow->findChild<QPushButton*>(pszButton)->click();
            }));
            const bool bOk = std::string(pszButton) == "IDOK";
            QCOMPARE(RunSettingsDialog(dlg, nullptr), bOk ? IDOK : IDCANCEL);
            if (bOk) {
                QCOMPARE(dlg.m_dSecondsPerMove, 9.0);
            } else {
                VerifyUnchanged(dlg);
            }
        }
    }

    void tabOrderIsTemplateOrder() {
        CSettingsDialog dlg = DefaultOptions();
        CSettingsWindow window(dlg);
        const SettingsControls controls = Controls(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), controls.pOk);
        const QWidget* apExpected[] = {controls.pCancel, controls.pSeconds, controls.pStatistics,
                                       controls.pRandom, controls.pOk};
        for (const QWidget* pExpected : apExpected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), pExpected);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), controls.pRandom);
    }

    void templateInDialogUnits() {
        CSettingsDialog dlg = DefaultOptions();
        CSettingsWindow window(dlg);
        const SettingsControls controls = Controls(window);
        const DialogBaseUnits base = MeasureDialogBaseUnits(DialogFont());
        QCOMPARE(window.BaseUnits().nCharWidth, base.nCharWidth);
        QCOMPARE(window.BaseUnits().nCharHeight, base.nCharHeight);

        QCOMPARE(window.windowTitle(), QStringLiteral("Spieleinstellungen"));
        const QSize size = DialogUnitsToPixels(QRect(0, 0, 186, 76), base).size();
        QCOMPARE(window.minimumSize(), size);
        QCOMPARE(window.maximumSize(), size);
        QVERIFY(!window.isSizeGripEnabled());
        QVERIFY(!(window.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);

        const auto pixels = [&base](int nX, int nY, int nWidth, int nHeight) {
            return DialogUnitsToPixels(QRect(nX, nY, nWidth, nHeight), base);
        };
        QCOMPARE(controls.pOk->geometry(), pixels(129, 7, 50, 14));
        QCOMPARE(controls.pCancel->geometry(), pixels(129, 24, 50, 14));
        QCOMPARE(controls.pSeconds->geometry(), pixels(72, 7, 40, 14));
        QCOMPARE(controls.pLabel->geometry(), pixels(7, 7, 60, 13));
        QCOMPARE(controls.pStatistics->geometry(), pixels(7, 34, 73, 10));
        QCOMPARE(controls.pRandom->geometry(), pixels(7, 49, 73, 10));

        QCOMPARE(controls.pOk->text(), QStringLiteral("OK"));
        QCOMPARE(controls.pCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(controls.pLabel->text(), QStringLiteral("Sekunden pro Zug"));
        QCOMPARE(controls.pStatistics->text(), QStringLiteral("Statistik anzeigen"));
        QCOMPARE(controls.pRandom->text(), QStringLiteral("Zufallszüge"));
        QVERIFY(controls.pOk->isDefault());
        QVERIFY(!controls.pCancel->isDefault());
        QVERIFY(controls.pLabel->alignment() & Qt::AlignVCenter);
        QCOMPARE(controls.pLabel->focusPolicy(), Qt::NoFocus);
    }

    // Renders each box with and without its tick and its text: the tick changes pixels only
    // at the right edge, the text only to the left of the box.
    void checkBoxTextLeftOfBox() {
        CSettingsDialog dlg = DefaultOptions();
        CSettingsWindow window(dlg);
        for (QCheckBox* pBox : {Controls(window).pStatistics, Controls(window).pRandom}) {
            const QString strText = pBox->text();
            pBox->setChecked(false);
            const QImage imageClear = pBox->grab().toImage();
            pBox->setChecked(true);
            const QImage imageTicked = pBox->grab().toImage();
            pBox->setText(QString());
            const QImage imageNoText = pBox->grab().toImage();
            pBox->setText(strText);

            const ChangedColumns tick = DifferingColumns(imageClear, imageTicked);
            const ChangedColumns text = DifferingColumns(imageTicked, imageNoText);
            QVERIFY(tick.nLeft <= tick.nRight);
            QVERIFY(text.nLeft <= text.nRight);
            QVERIFY2(text.nRight < tick.nLeft, qPrintable(pBox->objectName()));
            QVERIFY(text.nLeft < pBox->width() / 8);
            QVERIFY(tick.nRight >= pBox->width() * 7 / 8);
        }
    }

    // A click on the text toggles the box like a click on the box.
    void clickOnTheTextToggles() {
        CSettingsDialog dlg = DefaultOptions();
        CSettingsWindow window(dlg);
        QCheckBox* pBox = Controls(window).pStatistics;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(pBox, Qt::LeftButton, {}, QPoint(3, pBox->height() / 2));
        QVERIFY(pBox->isChecked());
        QTest::mouseClick(pBox, Qt::LeftButton, {}, QPoint(pBox->width() - 3, pBox->height() / 2));
        QVERIFY(!pBox->isChecked());
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
