// A check box that shows its text on the left and the box at the right edge of its
// rectangle, as check boxes of the left-text style do in dialog templates. A click anywhere
// in the rectangle toggles it, like a click on the text or the box.
#pragma once

#include <QCheckBox>
#include <QString>

#include "check_box_layout.h"

class QPaintEvent;
class QPoint;

class CLeftTextCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit CLeftTextCheckBox(const QString& strText, QWidget* pParent = nullptr);

    // Where the text and the box are drawn with the current style, in widget coordinates.
    LeftTextCheckBoxParts Parts() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    bool hitButton(const QPoint& point) const override;
};
