// A pen of the old drawing interface: style, width in logical units and colour.
#pragma once

#include "gdi_types.h"

// A pen is a plain description; a device context draws with the one selected into it. The
// owner keeps it alive while it is selected, and selects another one before destroying it.
class CPen {
public:
    CPen(int nPenStyle, int nWidth, COLORREF crColor)
        : m_nPenStyle(nPenStyle), m_nWidth(nWidth), m_crColor(crColor) {}
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;

    int Style() const { return m_nPenStyle; }
    int Width() const { return m_nWidth; }
    COLORREF Color() const { return m_crColor; }

private:
    int m_nPenStyle;
    int m_nWidth;
    COLORREF m_crColor;
};
