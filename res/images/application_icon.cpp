#include "application_icon.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "board_icon_layout.h"

namespace {

// The 32-pixel picture is the design; one of its pixels is nSize / 32 pixels here.
constexpr double DESIGN_SIZE = 32.0;
constexpr double STONE_RADIUS = 2.5;  // design pixels: the hand-drawn stones are 5 wide

// Distances in whole pixels at the drawn size, so that the lines fall on pixel edges and stay
// sharp also where a design pixel is not a whole number of pixels.
struct BoardScale {
    double dUnit;       // pixels per design pixel
    int nLineWidth;     // width of the board's lines
    int nGround;        // side of the yellow ground
    int nShadowOffset;  // offset of the grey shadow behind the ground
};

BoardScale MakeBoardScale(int nSize) {
    BoardScale scale{};
    scale.dUnit = nSize / DESIGN_SIZE;
    scale.nLineWidth = std::max(1, static_cast<int>(std::lround(scale.dUnit)));
    scale.nGround = static_cast<int>(std::lround(BOARD_ICON_GROUND_32 * scale.dUnit));
    scale.nShadowOffset = std::max(1, static_cast<int>(std::lround(scale.dUnit)));
    return scale;
}

// The centre of grid line nGrid (0..6): the centre of its design pixel, moved so that a line
// of the scale's width starts on a pixel edge.
double GridCentre(const BoardScale& scale, int nGrid) {
    const double dCentre =
        (BOARD_ICON_GRID_32[static_cast<std::size_t>(nGrid)] + 0.5) * scale.dUnit;
    const double dLeft = std::round(dCentre - scale.nLineWidth / 2.0);
    return dLeft + scale.nLineWidth / 2.0;
}

void DrawGround(QPainter& painter, const BoardScale& scale) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x80, 0x80, 0x80));
    painter.drawRect(scale.nShadowOffset, scale.nShadowOffset, scale.nGround, scale.nGround);
    painter.setBrush(QColor(0xFF, 0xFF, 0x00));
    painter.drawRect(0, 0, scale.nGround, scale.nGround);
}

// The three nested squares and the four lines that join them at their mid-points.
void DrawLines(QPainter& painter, const BoardScale& scale) {
    QPen pen(Qt::black, scale.nLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int nRing = 0; nRing < 3; ++nRing) {
        const double dNear = GridCentre(scale, nRing);
        const double dFar = GridCentre(scale, 6 - nRing);
        painter.drawRect(QRectF(QPointF(dNear, dNear), QPointF(dFar, dFar)));
    }
    const double dMid = GridCentre(scale, 3);
    const double dOuter0 = GridCentre(scale, 0);
    const double dInner0 = GridCentre(scale, 2);
    const double dInner1 = GridCentre(scale, 4);
    const double dOuter1 = GridCentre(scale, 6);
    painter.drawLine(QPointF(dMid, dOuter0), QPointF(dMid, dInner0));
    painter.drawLine(QPointF(dMid, dInner1), QPointF(dMid, dOuter1));
    painter.drawLine(QPointF(dOuter0, dMid), QPointF(dInner0, dMid));
    painter.drawLine(QPointF(dInner1, dMid), QPointF(dOuter1, dMid));
}

// A stone as a shaded disc: white ones lit from the top left down to silver and outlined in
// black, black ones with a grey gloss at the top left.
void DrawStone(QPainter& painter, const BoardScale& scale, const BoardIconStone& stone) {
    const QPointF centre(GridCentre(scale, stone.nGridX), GridCentre(scale, stone.nGridY));
    const double dRadius = STONE_RADIUS * scale.dUnit;
    const QPointF light = centre - QPointF(dRadius * 0.35, dRadius * 0.35);
    QRadialGradient gradient(centre, dRadius, light);
    if (stone.bWhite) {
        gradient.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
        gradient.setColorAt(0.6, QColor(0xFF, 0xFF, 0xFF));
        gradient.setColorAt(1.0, QColor(0xC0, 0xC0, 0xC0));
        const double dPenWidth = std::max(1.0, scale.dUnit);
        painter.setPen(QPen(Qt::black, dPenWidth));
        painter.setBrush(gradient);
        const double dInner = dRadius - dPenWidth / 2.0;
        painter.drawEllipse(centre, dInner, dInner);
    } else {
        gradient.setColorAt(0.0, QColor(0x80, 0x80, 0x80));
        gradient.setColorAt(0.5, QColor(0x10, 0x10, 0x10));
        gradient.setColorAt(1.0, QColor(0x00, 0x00, 0x00));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawEllipse(centre, dRadius, dRadius);
    }
}

}  // namespace

QImage DrawBoardIcon(int nSize) {
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const BoardScale scale = MakeBoardScale(nSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawGround(painter, scale);
    DrawLines(painter, scale);
    for (const BoardIconStone& stone : BOARD_ICON_STONES) {
        DrawStone(painter, scale, stone);
    }
    painter.end();
    return image;
}
