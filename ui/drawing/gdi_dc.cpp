#include "gdi_dc.h"

#include <QColor>
#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstdlib>

#include "arc_angles.h"
#include "board_mapping.h"

namespace {

// Text of a paint device context: black on an opaque white background.
constexpr COLORREF TEXT_COLOR = RGB(0, 0, 0);
constexpr COLORREF TEXT_BACKGROUND = RGB(255, 255, 255);

QColor ToQColor(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

// Moves each edge of the whole-pixel box rect inwards by half a pixel, the distance from a
// pixel's edge to its centre; a box less than a pixel wide shrinks to its centre line.
QRectF InsetToPixelCentres(const QRect& rect) {
    const QRectF rectF(rect);
    const double dX = std::min(0.5, rectF.width() / 2.0);
    const double dY = std::min(0.5, rectF.height() / 2.0);
    return rectF.adjusted(dX, dY, -dX, -dY);
}

// The centre of a whole device pixel.
QPointF PixelCentre(const QPoint& pt) {
    return QPointF(pt) + QPointF(0.5, 0.5);
}

QtArcAngles AnglesOnBox(const QRectF& box, const QPointF& ptStart, const QPointF& ptEnd) {
    return ArcAnglesFromRadials(box.left(), box.top(), box.right(), box.bottom(), ptStart.x(),
                                ptStart.y(), ptEnd.x(), ptEnd.y());
}

}  // namespace

CDC::CDC(QPainter& painter)
    : m_painter(painter),
      m_penInitial(PS_SOLID, 0, RGB(0, 0, 0)),  // width 0 is one pixel at any mapping
      m_brushInitial(RGB(255, 255, 255)),
      m_pPen(&m_penInitial),
      m_pBrush(&m_brushInitial) {
    m_painter.save();
    // Whole pixels in exact colours: a blended edge could reach past the box of its shape,
    // where no later overpainting rectangle covers it.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

CDC::~CDC() {
    m_painter.restore();
}

CPen* CDC::SelectObject(CPen* pPen) {
    CPen* pOld = m_pPen;
    m_pPen = pPen;
    return pOld;
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    CBrush* pOld = m_pBrush;
    m_pBrush = pBrush;
    return pOld;
}

void CDC::SelectBoardMapping() {
    m_bBoardMapping = true;
}

QPoint CDC::LPtoDP(int x, int y) const {
    return m_bBoardMapping ? QPoint(LogicalToDeviceX(x), LogicalToDeviceY(y)) : QPoint(x, y);
}

int CDC::PenWidthToDevice(int nWidth) const {
    return std::max(1, std::abs(m_bBoardMapping ? LogicalToDeviceLength(nWidth) : nWidth));
}

void CDC::MoveTo(int x, int y) {
    m_nCurrentX = x;
    m_nCurrentY = y;
}

void CDC::LineTo(int x, int y) {
    if (HasOutline()) {
        ApplyPen();
        m_painter.drawLine(
            QLineF(PixelCentre(LPtoDP(m_nCurrentX, m_nCurrentY)), PixelCentre(LPtoDP(x, y))));
    }
    MoveTo(x, y);
}

void CDC::Rectangle(int nLeft, int nTop, int nRight, int nBottom) {
    const DeviceBox box = ShapeBox(nLeft, nTop, nRight, nBottom);
    m_painter.fillRect(box.rectFill, ToQColor(m_pBrush->Color()));
    if (HasOutline()) {
        ApplyPen();
        m_painter.drawRect(box.rectOutline);
    }
}

void CDC::Ellipse(int nLeft, int nTop, int nRight, int nBottom) {
    const DeviceBox box = ShapeBox(nLeft, nTop, nRight, nBottom);
    ApplyBrush();
    m_painter.drawEllipse(QRectF(box.rectFill));
    if (HasOutline()) {
        ApplyPen();
        m_painter.drawEllipse(box.rectOutline);
    }
}

void CDC::Arc(int nLeft, int nTop, int nRight, int nBottom, int xStart, int yStart, int xEnd,
              int yEnd) {
    if (!HasOutline()) {
        return;
    }
    const DeviceBox box = ShapeBox(nLeft, nTop, nRight, nBottom);
    const QtArcAngles angles =
        AnglesOnBox(box.rectOutline, LPtoDP(xStart, yStart), LPtoDP(xEnd, yEnd));
    ApplyPen();
    m_painter.drawArc(box.rectOutline, angles.nStartAngle, angles.nSpanAngle);
}

void CDC::Pie(int nLeft, int nTop, int nRight, int nBottom, int xStart, int yStart, int xEnd,
              int yEnd) {
    const DeviceBox box = ShapeBox(nLeft, nTop, nRight, nBottom);
    const QPointF ptStart = LPtoDP(xStart, yStart);
    const QPointF ptEnd = LPtoDP(xEnd, yEnd);
    const QRectF rectFill(box.rectFill);
    const QtArcAngles anglesFill = AnglesOnBox(rectFill, ptStart, ptEnd);
    ApplyBrush();
    m_painter.drawPie(rectFill, anglesFill.nStartAngle, anglesFill.nSpanAngle);
    if (HasOutline()) {
        const QtArcAngles anglesOutline = AnglesOnBox(box.rectOutline, ptStart, ptEnd);
        ApplyPen();
        m_painter.drawPie(box.rectOutline, anglesOutline.nStartAngle, anglesOutline.nSpanAngle);
    }
}

void CDC::TextOut(int x, int y, const QString& strText) {
    const QPoint ptDevice = LPtoDP(x, y);
    const int nX = ptDevice.x();
    const int nY = ptDevice.y();
    const QFontMetrics metrics = m_painter.fontMetrics();
    m_painter.fillRect(QRect(nX, nY, metrics.horizontalAdvance(strText), metrics.height()),
                       ToQColor(TEXT_BACKGROUND));
    m_painter.setPen(ToQColor(TEXT_COLOR));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawText(QPoint(nX, nY + metrics.ascent()), strText);
}

CDC::DeviceBox CDC::ShapeBox(int nLeft, int nTop, int nRight, int nBottom) const {
    // From the top-left corner pixel, as wide and high as the corners lie apart: the right
    // and bottom edges are excluded.
    const QPoint ptA = LPtoDP(nLeft, nTop);
    const QPoint ptB = LPtoDP(nRight, nBottom);
    const QRect rectFill(QPoint(std::min(ptA.x(), ptB.x()), std::min(ptA.y(), ptB.y())),
                         QSize(std::abs(ptB.x() - ptA.x()), std::abs(ptB.y() - ptA.y())));
    return {rectFill, InsetToPixelCentres(rectFill)};
}

void CDC::ApplyPen() {
    QPen pen(ToQColor(m_pPen->Color()));
    pen.setWidth(PenWidthToDevice(m_pPen->Width()));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
}

void CDC::ApplyBrush() {
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ToQColor(m_pBrush->Color()));
}

bool CDC::HasOutline() const {
    return m_pPen->Style() != PS_NULL;
}
