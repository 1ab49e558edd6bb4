// A device context in the manner of the old Windows drawing interface, drawing through a
// QPainter: selected pens and brushes, the board's mapping from logical units to device
// pixels, and the shape, line and text calls that the board painting uses.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

#include "gdi_brush.h"
#include "gdi_pen.h"
#include "gdi_types.h"

class QPainter;

// Pixel model, as the old interface draws: every logical coordinate is first converted to a
// whole device pixel (rounded to the nearest), and shapes are drawn without antialiasing, so
// every pixel a call touches gets the pen's or the brush's colour exactly. Device pixel
// (n, m) is the square [n, n + 1) x [m, m + 1) of the painter's space. A shape on the device
// box (left, top, right, bottom) fills the box's area from left up to right (right and bottom
// edges excluded); its outline runs through the centres of the box's outermost pixels, so a
// one-pixel outline lies on the shape's own edge pixels. No ellipse, arc, pie or rectangle
// leaves its device box, so a rectangle drawn later on a box that contains it covers all of
// it. Lines run between pixel centres with a pen of whole pixels.
//
// Whole pixels are pixels of the painter's space: on a screen with a device pixel ratio
// above one, the painter rasterises the same boxes at the finer resolution, and the boxes
// stay where they are at ratio one.
//
// The painter must outlive the device context. Its state (pen, brush, transform, hints) is
// saved on construction and restored on destruction.
class CDC {
public:
    // A new device context holds its initial objects, as a paint device context does: a
    // black one-pixel solid pen and a white solid brush; a logical unit is a device pixel
    // with the origin at device (0, 0); the current position is (0, 0); text is black on an
    // opaque white background in the painter's font.
    explicit CDC(QPainter& painter);
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // --- Objects ----------------------------------------------------------------------------

    // Selects pPen (not null) for the following calls and returns the pen it replaces. The
    // caller keeps pPen alive until another pen has been selected.
    CPen* SelectObject(CPen* pPen);
    // Selects pBrush (not null) and returns the brush it replaces; the same rule applies.
    CBrush* SelectObject(CBrush* pBrush);

    // --- Mapping ----------------------------------------------------------------------------

    // From now on logical units are the board's (board_mapping.h) instead of device pixels.
    void SelectBoardMapping();

    // The whole device pixel of a logical point.
    QPoint LPtoDP(int x, int y) const;
    // The device width of a pen of nWidth logical units in whole pixels: at least one.
    int PenWidthToDevice(int nWidth) const;

    // --- Drawing ----------------------------------------------------------------------------

    // Sets the current position without drawing.
    void MoveTo(int x, int y);
    // Draws a line with the pen from the current position to (x, y), which becomes the
    // current position. A wide pen gives the line round ends.
    void LineTo(int x, int y);
    // Fills the box with the brush, then outlines it with the pen.
    void Rectangle(int nLeft, int nTop, int nRight, int nBottom);
    // Fills the ellipse inscribed in the box with the brush, then outlines it with the pen.
    void Ellipse(int nLeft, int nTop, int nRight, int nBottom);
    // Draws with the pen, counter-clockwise, the part of the ellipse inscribed in the box
    // from where the ray from the box's centre through (xStart, yStart) meets it to where
    // the ray through (xEnd, yEnd) meets it; the whole ellipse when both rays coincide.
    void Arc(int nLeft, int nTop, int nRight, int nBottom, int xStart, int yStart, int xEnd,
             int yEnd);
    // The wedge bounded by the same arc and the two radii: filled with the brush, then
    // outlined with the pen.
    void Pie(int nLeft, int nTop, int nRight, int nBottom, int xStart, int yStart, int xEnd,
             int yEnd);
    // Draws strText with its top-left corner at logical (x, y), in the painter's font, on
    // an opaque background that covers the text's whole cell, trailing blanks included.
    void TextOut(int x, int y, const QString& strText);

private:
    // Device boxes of a shape: the whole pixels it fills and the path its outline follows.
    struct DeviceBox {
        QRect rectFill;
        QRectF rectOutline;
    };
    DeviceBox ShapeBox(int nLeft, int nTop, int nRight, int nBottom) const;
    void ApplyPen();    // the selected pen on the painter, no brush
    void ApplyBrush();  // the selected brush on the painter, no pen
    bool HasOutline() const;

    QPainter& m_painter;
    CPen m_penInitial;
    CBrush m_brushInitial;
    CPen* m_pPen;
    CBrush* m_pBrush;
    bool m_bBoardMapping = false;
    int m_nCurrentX = 0;
    int m_nCurrentY = 0;
};
