#include "board_painter.h"

#include <QPainter>
#include <QString>
#include <algorithm>

#include "board_colors.h"
#include "board_mapping.h"
#include "gdi_dc.h"
#include "pelvar_doc.h"
#include "statistics_line.h"
#include "stone_painter.h"

namespace {

constexpr int GRID_ENTRIES = 13;  // G[0..6] the board's lines, G[7..12] the areas beside it
constexpr int BOARD_SIZE = 5000;  // the board square, from logical (0, 0)
constexpr int LINE_WIDTH = 83;
constexpr int POINT_RADIUS = 125;
constexpr int HIGHLIGHT_RADIUS = 275;
constexpr int FOCUS_HALF_SIZE = 340;  // the focus frame's lines run this far from the centre
constexpr int FOCUS_LINE_WIDTH = 50;  // about four pixels, clear of stone and highlight
constexpr int STONES_PER_HAND_COLUMN = 7;
constexpr int STATISTICS_X = -300;  // the line starts in the margin above the board
constexpr int STATISTICS_Y = -300;

// Stone counts index the grid table; the game keeps them in 0..9.
int ClampCount(int nCount) {
    return std::clamp(nCount, 0, STONES_PER_SIDE);
}

bool ShowsMarkers(int nState) {
    return nState == STATE_PLACE || nState == STATE_SELECT_SLIDE || nState == STATE_SELECT_JUMP ||
           nState == STATE_AUTOPLAY;
}

}  // namespace

void OnPrepareDC(CDC& dc) {
    dc.SelectBoardMapping();
}

void OnDraw(CDC& dc, const CPelvarDoc& doc) {
    const Position& pos = doc.m_posCurrent;

    // 1. The board's background; the pen on entry gives it a thin frame.
    CBrush brushBoard(COLOR_BOARD);
    CBrush* pOldBrush = dc.SelectObject(&brushBoard);
    dc.Rectangle(0, 0, BOARD_SIZE, BOARD_SIZE);

    // 2. The line pen.
    CPen penLine(PS_SOLID, LINE_WIDTH, COLOR_LINE);
    CPen* pOldPen = dc.SelectObject(&penLine);

    // 3. The grid coordinates.
    int G[GRID_ENTRIES];
    for (int k = 0; k < GRID_ENTRIES; ++k) {
        G[k] = GridCoordinate(k);
    }
    const int D = (G[1] - G[0]) / 2;  // half the grid spacing

    // 4. The outer, middle and inner squares, then the four connecting lines.
    for (int nRing = 0; nRing < 3; ++nRing) {
        const int a = G[nRing];
        const int b = G[6 - nRing];
        dc.MoveTo(a, a);
        dc.LineTo(a, b);
        dc.LineTo(b, b);
        dc.LineTo(b, a);
        dc.LineTo(a, a);
    }
    dc.MoveTo(G[3], G[0]);
    dc.LineTo(G[3], G[2]);
    dc.MoveTo(G[3], G[4]);
    dc.LineTo(G[3], G[6]);
    dc.MoveTo(G[0], G[3]);
    dc.LineTo(G[2], G[3]);
    dc.MoveTo(G[4], G[3]);
    dc.LineTo(G[6], G[3]);

    // 5. From here on no outlines: the null pen, and the point brush.
    CBrush brushPoint(COLOR_LINE);
    CPen penNull(PS_NULL, 0, 0);
    dc.SelectObject(&penNull);
    dc.SelectObject(&brushPoint);

    // 6. Each grid square: point, highlight, stone, marker, in this order.
    for (int r = 0; r < GRID_SIZE; ++r) {
        for (int c = 0; c < GRID_SIZE; ++c) {
            const int x = G[r];  // the row runs along the screen's x axis
            const int y = G[c];
            const int v = pos.Cell(r, c);
            if (IsBoardPoint(r, c)) {
                dc.Ellipse(x - POINT_RADIUS, y - POINT_RADIUS, x + POINT_RADIUS, y + POINT_RADIUS);
            }
            if (v == PLAYER_WHITE) {
                if (IsTargetState(doc.m_nState) && r == doc.m_nSelRow && c == doc.m_nSelCol) {
                    CBrush brushHighlight(COLOR_HIGHLIGHT);
                    CBrush* pPointBrush = dc.SelectObject(&brushHighlight);
                    dc.Ellipse(x - HIGHLIGHT_RADIUS, y - HIGHLIGHT_RADIUS, x + HIGHLIGHT_RADIUS,
                               y + HIGHLIGHT_RADIUS);
                    dc.SelectObject(pPointBrush);
                }
                DrawStone(dc, x, y, PLAYER_WHITE);
            }
            if (v == PLAYER_BLACK) {
                DrawStone(dc, x, y, PLAYER_BLACK);
            }
            const int nPrevious = doc.m_posPrevious.Cell(r, c);
            if (ShowsMarkers(doc.m_nState) && v != nPrevious) {
                DrawChangeMarker(dc, x, y, nPrevious, v, doc.m_nMarkerSide);
            }
        }
    }

    // 7. The keyboard focus, once a key has been used on the board: a square frame around
    //    the focused point, on top of its stone and marker. It lies well inside the board,
    //    whose background the next paint draws over it, so a moved focus leaves nothing.
    if (doc.m_bFocusShown && IsBoardPoint(doc.m_focus.nRow, doc.m_focus.nCol)) {
        const int x = G[doc.m_focus.nRow];
        const int y = G[doc.m_focus.nCol];
        const int s = FOCUS_HALF_SIZE;
        CPen penFocus(PS_SOLID, FOCUS_LINE_WIDTH, COLOR_FOCUS);
        dc.SelectObject(&penFocus);
        dc.MoveTo(x - s, y - s);
        dc.LineTo(x + s, y - s);
        dc.LineTo(x + s, y + s);
        dc.LineTo(x - s, y + s);
        dc.LineTo(x - s, y - s);
        dc.SelectObject(&penNull);
    }

    // 8. The two hand areas, cleared with white.
    CBrush brushWhite(COLOR_BACKGROUND);
    dc.SelectObject(&brushWhite);
    dc.Rectangle(G[8] - D, G[0] - D, G[9] + D, G[8] + D);
    dc.Rectangle(G[10] - D, G[0] - D, G[12] + D, G[8] + D);

    // 9. The stones in hand: a column of seven from the top, then a second column.
    const int nWhiteHand = ClampCount(pos.Hand(PLAYER_WHITE));
    for (int i = 0; i < nWhiteHand; ++i) {
        DrawStone(dc, G[8 + i / STONES_PER_HAND_COLUMN], G[i % STONES_PER_HAND_COLUMN],
                  PLAYER_WHITE);
    }
    const int nBlackHand = ClampCount(pos.Hand(PLAYER_BLACK));
    for (int i = 0; i < nBlackHand; ++i) {
        DrawStone(dc, G[10 + i / STONES_PER_HAND_COLUMN], G[i % STONES_PER_HAND_COLUMN],
                  PLAYER_BLACK);
    }

    // 10. The captured stones in their rows below the board, each row cleared to the right
    //     of its last stone.
    const int nW = ClampCount(STONES_PER_SIDE - pos.CountStones(PLAYER_WHITE));
    for (int k = 0; k < nW; ++k) {
        DrawStone(dc, G[k], G[8], PLAYER_WHITE);
    }
    dc.SelectObject(&brushWhite);
    dc.Rectangle(G[nW] - D, G[8] - D, G[12], G[8] + D);
    const int nB = ClampCount(STONES_PER_SIDE - pos.CountStones(PLAYER_BLACK));
    for (int k = 0; k < nB; ++k) {
        DrawStone(dc, G[k], G[9], PLAYER_BLACK);
    }
    dc.Rectangle(G[nB] - D, G[9] - D, G[12], G[9] + D);

    // 11. The objects of the caller again.
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);

    // 12. The statistics line.
    if (doc.m_dlgSettings.m_bShowStatistics) {
        dc.TextOut(STATISTICS_X, STATISTICS_Y, QString::fromStdString(StatisticsLine(pos)));
    }
    // 13. The pens and brushes of this paint end with this scope.
}

void PaintBoard(QPainter& painter, const CPelvarDoc& doc) {
    CDC dc(painter);
    OnPrepareDC(dc);
    OnDraw(dc, doc);
}
