#include "info_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "about_dialog_template.h"
#include "dialog_units.h"
#include "resource_images.h"

namespace {
// An icon control shows the icon at its own size, the system's large icon size.
constexpr int ICON_SIZE = 32;
}  // namespace

CInfoDialog::CInfoDialog(QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    const DialogTemplate& dlgTemplate = AboutDialogTemplate();
    setWindowTitle(QString::fromUtf8(dlgTemplate.pszCaption));
    setFont(DialogFont());
    const DialogBaseUnits base = MeasureDialogBaseUnits(font());
    setFixedSize(DialogUnitsToPixels(QRect(0, 0, dlgTemplate.cx, dlgTemplate.cy), base).size());

    for (const DialogControlTemplate& control : dlgTemplate.controls) {
        const QRect rect =
            DialogUnitsToPixels(QRect(control.x, control.y, control.cx, control.cy), base);
        switch (control.eKind) {
            case DialogControlKind::Icon: {
                auto* pIcon = new QLabel(this);
                pIcon->setPixmap(LoadResourceIcon(control.nIconId).pixmap(ICON_SIZE, ICON_SIZE));
                pIcon->setGeometry(QRect(rect.topLeft(), QSize(ICON_SIZE, ICON_SIZE)));
                break;
            }
            case DialogControlKind::Text: {
                auto* pText = new QLabel(QString::fromUtf8(control.pszText), this);
                pText->setTextFormat(Qt::PlainText);
                pText->setGeometry(rect);
                break;
            }
            case DialogControlKind::DefaultPushButton: {
                auto* pButton = new QPushButton(QString::fromUtf8(control.pszText), this);
                pButton->setDefault(true);
                pButton->setGeometry(rect);
                connect(pButton, &QPushButton::clicked, this, &QDialog::accept);
                break;
            }
        }
    }
}
