#include "left_text_check_box.h"

#include <QPaintEvent>
#include <QPoint>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

constexpr int TEXT_ALIGNMENT = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;

}  // namespace

CLeftTextCheckBox::CLeftTextCheckBox(const QString& strText, QWidget* pParent)
    : QCheckBox(strText, pParent) {}

LeftTextCheckBoxParts CLeftTextCheckBox::Parts() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize sizeIndicator(style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this),
                              style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this));
    const int nSpacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    return SplitLeftTextCheckBox(rect(), sizeIndicator, nSpacing);
}

void CLeftTextCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const LeftTextCheckBoxParts parts = Parts();

    // 1. The box with its check state, hover and pressed look.
    QStyleOptionButton optionBox = option;
    optionBox.rect = parts.rectIndicator;
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, optionBox);

    // 2. The text, left-aligned in what is left of the rectangle.
    QStyleOptionButton optionText = option;
    optionText.rect = parts.rectText;
    optionText.direction = Qt::LeftToRight;
    painter.drawControl(QStyle::CE_CheckBoxLabel, optionText);

    // 3. The focus frame around the text.
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect optionFocus;
        optionFocus.initFrom(this);
        optionFocus.rect =
            style()
                ->itemTextRect(fontMetrics(), parts.rectText, TEXT_ALIGNMENT, isEnabled(), text())
                .adjusted(-1, 0, 1, 0)
                .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, optionFocus);
    }
}

bool CLeftTextCheckBox::hitButton(const QPoint& point) const {
    return rect().contains(point);
}
