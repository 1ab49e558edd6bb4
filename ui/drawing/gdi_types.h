// The few values of the old Windows drawing interface that the board painting is written
// against: colours as COLORREF, pen styles and mapping modes.
#pragma once

#include <cstdint>

// A colour as the old drawing interface stores it: 0x00BBGGRR.
using COLORREF = std::uint32_t;

inline constexpr COLORREF RGB(int nRed, int nGreen, int nBlue) {
    return static_cast<COLORREF>(nRed & 0xFF) | (static_cast<COLORREF>(nGreen & 0xFF) << 8) |
           (static_cast<COLORREF>(nBlue & 0xFF) << 16);
}
inline constexpr int GetRValue(COLORREF cr) {
    return static_cast<int>(cr & 0xFF);
}
inline constexpr int GetGValue(COLORREF cr) {
    return static_cast<int>((cr >> 8) & 0xFF);
}
inline constexpr int GetBValue(COLORREF cr) {
    return static_cast<int>((cr >> 16) & 0xFF);
}

// Pen styles.
inline constexpr int PS_SOLID = 0;  // a solid line
inline constexpr int PS_NULL = 5;   // no line at all: shapes get no outline
