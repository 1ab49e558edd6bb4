// The About box "Info über Pelvar": the application icon, the version line, the copyright
// line and OK, laid out from the dialog-unit geometry of its template.
#pragma once

#include <QDialog>

class CInfoDialog : public QDialog {
    Q_OBJECT

public:
    // Centred over pParent (the main window) when one is given.
    explicit CInfoDialog(QWidget* pParent = nullptr);

    // Runs the box modally; the result has no meaning.
    int DoModal() { return exec(); }
};
