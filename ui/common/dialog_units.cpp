#include "dialog_units.h"

#include <climits>

#include <QFontMetrics>
#include <QString>

QFont DialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogBaseUnits MeasureDialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    static const QString LETTERS =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int nWidth = metrics.horizontalAdvance(LETTERS);
    return {(nWidth / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int nNumber, int nNumerator, int nDenominator) {
    if (nDenominator == 0) {
        return -1;
    }
    const long long nProduct = static_cast<long long>(nNumber) * nNumerator;
    const long long nHalf = (nDenominator > 0 ? nDenominator : -nDenominator) / 2;
    const bool bNegative = (nProduct < 0) != (nDenominator < 0);
    const long long nMagnitude = ((nProduct < 0 ? -nProduct : nProduct) + nHalf) /
                                 (nDenominator < 0 ? -nDenominator : nDenominator);
    const long long nResult = bNegative ? -nMagnitude : nMagnitude;
    return (nResult > INT_MAX || nResult < INT_MIN) ? -1 : static_cast<int>(nResult);
}

QRect DialogUnitsToPixels(const QRect& rectUnits, const DialogBaseUnits& base) {
    return QRect(MulDiv(rectUnits.x(), base.nCharWidth, 4),
                 MulDiv(rectUnits.y(), base.nCharHeight, 8),
                 MulDiv(rectUnits.width(), base.nCharWidth, 4),
                 MulDiv(rectUnits.height(), base.nCharHeight, 8));
}
