// The settings dialog "Spieleinstellungen" (template 130): shows the options of a
// CSettingsDialog modally and writes them back when it ends with OK.
#pragma once

#include <QDialog>

#include "dialog_units.h"
#include "settings_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

class CSettingsWindow : public QDialog {
    Q_OBJECT

public:
    // Builds the dialog in the dialog font with every control at its template position and
    // fills the controls from dlg. dlg must outlive the window; nothing is written to it
    // unless the dialog ends with OK.
    explicit CSettingsWindow(CSettingsDialog& dlg, QWidget* pParent = nullptr);

    // OK (the button, Enter as the default button): reads the controls back into a trial
    // copy of the options. Accepted values are written to dlg and the dialog ends with
    // QDialog::Accepted. A refused value shows the refusal in a message box and keeps the
    // dialog open with the seconds field focused and its text selected; dlg is unchanged.
    void accept() override;

    // The dialog font's base units with which the template was converted to pixels.
    const DialogBaseUnits& BaseUnits() const { return m_base; }

private:
    void LoadControls();

    CSettingsDialog& m_dlg;
    DialogBaseUnits m_base;
    QPushButton* m_pOkButton;
    QPushButton* m_pCancelButton;
    QLineEdit* m_pSecondsEdit;
    QLabel* m_pSecondsLabel;
    QCheckBox* m_pStatisticsBox;
    QCheckBox* m_pRandomBox;
};

// Runs the settings dialog modally on dlg, centred on pParent (may be null). Returns IDOK
// when it ended with OK (dlg then holds the accepted values), else IDCANCEL (Cancel,
// Escape, the close box) with dlg unchanged.
int RunSettingsDialog(CSettingsDialog& dlg, QWidget* pParent);
