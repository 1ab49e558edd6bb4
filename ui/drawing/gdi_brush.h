// A solid brush of the old drawing interface.
#pragma once

#include "gdi_types.h"

// A brush is a plain description; a device context fills with the one selected into it.
// The owner keeps it alive while it is selected, and selects another one before destroying
// it.
class CBrush {
public:
    explicit CBrush(COLORREF crColor) : m_crColor(crColor) {}
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    COLORREF Color() const { return m_crColor; }

private:
    COLORREF m_crColor;
};
