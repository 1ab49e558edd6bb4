#include "settings_window.h"

#include <string>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "framework_services.h"
#include "left_text_check_box.h"
#include "settings_dialog_template.h"

namespace {

QRect ControlRect(SettingsControl nControl, const DialogBaseUnits& base) {
    const SettingsControlTemplate& control = SETTINGS_CONTROLS[nControl];
    return DialogUnitsToPixels(QRect(control.nX, control.nY, control.nWidth, control.nHeight),
                               base);
}

QString ControlText(SettingsControl nControl) {
    return QString::fromUtf8(SETTINGS_CONTROLS[nControl].pszText);
}

// Names the control by its id and puts it at its template position.
void PlaceControl(QWidget* pControl, SettingsControl nControl, const DialogBaseUnits& base) {
    pControl->setObjectName(QString::fromLatin1(SETTINGS_CONTROLS[nControl].pszName));
    pControl->setGeometry(ControlRect(nControl, base));
}

}  // namespace

CSettingsWindow::CSettingsWindow(CSettingsDialog& dlg, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      m_dlg(dlg),
      m_base{},
      m_pOkButton(nullptr),
      m_pCancelButton(nullptr),
      m_pSecondsEdit(nullptr),
      m_pSecondsLabel(nullptr),
      m_pStatisticsBox(nullptr),
      m_pRandomBox(nullptr) {
    setObjectName(QStringLiteral("IDD_SETTINGS"));
    setWindowTitle(QString::fromUtf8(SETTINGS_CAPTION));
    setFont(DialogFont());
    m_base = MeasureDialogBaseUnits(font());
    setSizeGripEnabled(false);
    setFixedSize(
        DialogUnitsToPixels(QRect(0, 0, SETTINGS_WIDTH_DU, SETTINGS_HEIGHT_DU), m_base).size());

    // The controls are created in template order, so the focus chain is the tab order.
    m_pOkButton = new QPushButton(ControlText(SETTINGS_OK), this);
    m_pOkButton->setDefault(true);
    PlaceControl(m_pOkButton, SETTINGS_OK, m_base);

    m_pCancelButton = new QPushButton(ControlText(SETTINGS_CANCEL), this);
    PlaceControl(m_pCancelButton, SETTINGS_CANCEL, m_base);

    m_pSecondsEdit = new QLineEdit(this);
    PlaceControl(m_pSecondsEdit, SETTINGS_SECONDS, m_base);

    m_pSecondsLabel = new QLabel(ControlText(SETTINGS_SECONDS_LABEL), this);
    m_pSecondsLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pSecondsLabel->setFocusPolicy(Qt::NoFocus);
    // The label names the seconds field for assistive technology.
    m_pSecondsLabel->setBuddy(m_pSecondsEdit);
    PlaceControl(m_pSecondsLabel, SETTINGS_SECONDS_LABEL, m_base);

    m_pStatisticsBox = new CLeftTextCheckBox(ControlText(SETTINGS_STATISTICS), this);
    PlaceControl(m_pStatisticsBox, SETTINGS_STATISTICS, m_base);

    m_pRandomBox = new CLeftTextCheckBox(ControlText(SETTINGS_RANDOM), this);
    PlaceControl(m_pRandomBox, SETTINGS_RANDOM, m_base);

    setTabOrder(m_pOkButton, m_pCancelButton);
    setTabOrder(m_pCancelButton, m_pSecondsEdit);
    setTabOrder(m_pSecondsEdit, m_pStatisticsBox);
    setTabOrder(m_pStatisticsBox, m_pRandomBox);

    connect(m_pOkButton, &QPushButton::clicked, this, &CSettingsWindow::accept);
    connect(m_pCancelButton, &QPushButton::clicked, this, &CSettingsWindow::reject);

    LoadControls();
    // The first control that takes the tab key has the focus when the dialog opens.
    m_pOkButton->setFocus(Qt::OtherFocusReason);
}

void CSettingsWindow::LoadControls() {
    m_pSecondsEdit->setText(QString::fromStdString(m_dlg.SecondsText()));
    m_pStatisticsBox->setChecked(m_dlg.m_bShowStatistics != 0);
    m_pRandomBox->setChecked(m_dlg.m_bRandomMoves != 0);
}

void CSettingsWindow::accept() {
    // A refused exchange may have written the seconds before the range check; the trial
    // copy keeps such a value out of the options even if the user cancels afterwards.
    CSettingsDialog trial = m_dlg;
    const CSettingsDialog::Exchange result =
        trial.SaveFromControls(m_pSecondsEdit->text().toStdString(), m_pStatisticsBox->isChecked(),
                               m_pRandomBox->isChecked());
    if (result == CSettingsDialog::Exchange::Accepted) {
        m_dlg = trial;
        QDialog::accept();
        return;
    }
    // Captioned like every message box of the program: with the application's name, which
    // the application sets from its title at start-up.
    QMessageBox::warning(this, QCoreApplication::applicationName(),
                         QString::fromStdString(CSettingsDialog::RefusalMessage(result)));
    activateWindow();
    m_pSecondsEdit->setFocus(Qt::OtherFocusReason);
    m_pSecondsEdit->selectAll();
}

int RunSettingsDialog(CSettingsDialog& dlg, QWidget* pParent) {
    CSettingsWindow window(dlg, pParent);
    return window.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}
