#include "check_box_layout.h"

#include <algorithm>

LeftTextCheckBoxParts SplitLeftTextCheckBox(const QRect& rectControl, const QSize& sizeIndicator,
                                            int nSpacing) {
    const int nIndicatorX = std::max(
        rectControl.left(), rectControl.left() + rectControl.width() - sizeIndicator.width());
    const int nIndicatorY = rectControl.top() + (rectControl.height() - sizeIndicator.height()) / 2;
    const QRect rectIndicator(QPoint(nIndicatorX, nIndicatorY), sizeIndicator);
    const int nTextWidth = std::max(0, nIndicatorX - nSpacing - rectControl.left());
    const QRect rectText(rectControl.left(), rectControl.top(), nTextWidth, rectControl.height());
    return {rectText, rectIndicator};
}
