#include "stone_painter.h"

#include "board_colors.h"
#include "gdi_dc.h"
#include "position.h"

namespace {

// Radii of the stone's five discs, outermost first.
constexpr double RADIUS_EDGE = 250.0;
constexpr double RADIUS_OUTER_GROOVE = 225.0;
constexpr double RADIUS_RAISED_RING = 200.0;
constexpr double RADIUS_INNER_GROOVE = 150.0;
constexpr double RADIUS_CENTRE = 82.5;

// The marker's square and its two radial points relative to the point's centre.
constexpr double MARKER_RADIUS = 162.5;
constexpr double MARKER_START_RISE = 42.25;  // about 14.6 degrees above the horizontal
constexpr double MARKER_END_RISE = 279.5;    // about 59.8 degrees above the horizontal

// Every coordinate is computed in double precision and truncated toward zero.
int Trunc(double dValue) {
    return static_cast<int>(dValue);
}

void Disc(CDC& dc, double dX, double dY, double dRadius) {
    dc.Ellipse(Trunc(dX - dRadius), Trunc(dY - dRadius), Trunc(dX + dRadius), Trunc(dY + dRadius));
}

// The quarter from straight up to straight left of the disc of dRadius around (x, y).
void UpperLeftArc(CDC& dc, int x, int y, double dRadius) {
    dc.Arc(Trunc(x - dRadius), Trunc(y - dRadius), Trunc(x + dRadius), Trunc(y + dRadius), x,
           Trunc(y - dRadius / 2), Trunc(x - dRadius / 2), y);
}

// The quarter from straight down to straight right.
void LowerRightArc(CDC& dc, int x, int y, double dRadius) {
    dc.Arc(Trunc(x - dRadius), Trunc(y - dRadius), Trunc(x + dRadius), Trunc(y + dRadius), x,
           Trunc(y + dRadius / 2), Trunc(x + dRadius / 2), y);
}

}  // namespace

void DrawStone(CDC& dc, int x, int y, int side) {
    const bool bBlack = side == PLAYER_BLACK;
    CBrush brushShadow(COLOR_STONE_SHADOW);
    CBrush brushFace(bBlack ? COLOR_BLACK_FACE : COLOR_WHITE_FACE);
    CBrush brushRing(bBlack ? COLOR_BLACK_RING : COLOR_WHITE_RING);

    // 1. The shadow, offset down and to the right.
    CBrush* pOldBrush = dc.SelectObject(&brushShadow);
    Disc(dc, x + STONE_SHADOW_OFFSET, y + STONE_SHADOW_OFFSET, RADIUS_EDGE);

    // 2. The stone's five discs from the edge inwards, face and ring colour in turn.
    dc.SelectObject(&brushFace);
    Disc(dc, x, y, RADIUS_EDGE);
    dc.SelectObject(&brushRing);
    Disc(dc, x, y, RADIUS_OUTER_GROOVE);
    dc.SelectObject(&brushFace);
    Disc(dc, x, y, RADIUS_RAISED_RING);
    dc.SelectObject(&brushRing);
    Disc(dc, x, y, RADIUS_INNER_GROOVE);
    dc.SelectObject(&brushFace);
    Disc(dc, x, y, RADIUS_CENTRE);

    // 3. Light quarters: the upper left of the raised edges, the lower right of the grooves.
    CPen penLight(PS_SOLID, 1, bBlack ? COLOR_BLACK_LIGHT : COLOR_WHITE_LIGHT);
    CPen penDark(PS_SOLID, 1, COLOR_STONE_SHADOW);
    CPen* pOldPen = dc.SelectObject(&penLight);
    UpperLeftArc(dc, x, y, RADIUS_EDGE);
    LowerRightArc(dc, x, y, RADIUS_OUTER_GROOVE);
    UpperLeftArc(dc, x, y, RADIUS_RAISED_RING);
    LowerRightArc(dc, x, y, RADIUS_INNER_GROOVE);
    UpperLeftArc(dc, x, y, RADIUS_CENTRE);

    // 4. Dark quarters: the opposite ones.
    dc.SelectObject(&penDark);
    LowerRightArc(dc, x, y, RADIUS_EDGE);
    UpperLeftArc(dc, x, y, RADIUS_OUTER_GROOVE);
    LowerRightArc(dc, x, y, RADIUS_RAISED_RING);
    UpperLeftArc(dc, x, y, RADIUS_INNER_GROOVE);
    LowerRightArc(dc, x, y, RADIUS_CENTRE);

    // 5. Back to the objects of the caller; the five objects end with this scope.
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}

void DrawChangeMarker(CDC& dc, int x, int y, int prev, int cur, int markerSide) {
    COLORREF crMarker = COLOR_MARKER_ARRIVED;
    if (prev == Opponent(markerSide) && cur == CELL_EMPTY) {
        crMarker = COLOR_MARKER_REMOVED;
    } else if (prev == markerSide && cur == CELL_EMPTY) {
        crMarker = COLOR_MARKER_LEFT;
    }
    CBrush brushMarker(crMarker);
    CBrush* pOldBrush = dc.SelectObject(&brushMarker);
    dc.Pie(Trunc(x - MARKER_RADIUS), Trunc(y - MARKER_RADIUS), Trunc(x + MARKER_RADIUS),
           Trunc(y + MARKER_RADIUS), Trunc(x + MARKER_RADIUS), Trunc(y - MARKER_START_RISE),
           Trunc(x + MARKER_RADIUS), Trunc(y - MARKER_END_RISE));
    dc.SelectObject(pOldBrush);
}
