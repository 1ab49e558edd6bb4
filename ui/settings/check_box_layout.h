// Where a check box with its text on the left draws its parts.
#pragma once

#include <QRect>
#include <QSize>

struct LeftTextCheckBoxParts {
    QRect rectText;       // the text, left-aligned from the control's left edge
    QRect rectIndicator;  // the box, at the control's right edge
};

// Splits rectControl: the box (sizeIndicator) sits at the right edge, centred vertically;
// the text takes the full height from the left edge up to nSpacing pixels before the box.
// A control narrower than the box puts the box at its left edge and leaves an empty text
// rectangle.
LeftTextCheckBoxParts SplitLeftTextCheckBox(const QRect& rectControl, const QSize& sizeIndicator,
                                            int nSpacing);
