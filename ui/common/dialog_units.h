// Dialog templates give positions and sizes in dialog units: a quarter of the dialog font's
// average character width horizontally, an eighth of its character height vertically.
#pragma once

#include <QFont>
#include <QRect>

// The dialog font's base units in pixels: the average width of the 52 Latin letters,
// rounded up the way the original framework measured it, and the font's height.
struct DialogBaseUnits {
    int nCharWidth;
    int nCharHeight;
};

// The font that dialog templates name ("MS Sans Serif", 8 points); the font system picks
// its nearest available substitute.
QFont DialogFont();

// Base units of font, measured with its metrics.
DialogBaseUnits MeasureDialogBaseUnits(const QFont& font);

// nNumber * nNumerator / nDenominator rounded to the nearest integer, halves away from
// zero, in 64-bit arithmetic; -1 when nDenominator is 0 or the result does not fit.
int MulDiv(int nNumber, int nNumerator, int nDenominator);

// A rectangle in dialog units (x, y, width, height) converted to pixels.
QRect DialogUnitsToPixels(const QRect& rectUnits, const DialogBaseUnits& base);
