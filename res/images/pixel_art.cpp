#include "pixel_art.h"

#include <cstring>

// clang-format off
const std::array<PaletteEntry, 17> CLASSIC_PALETTE = {{
    // code  colour                           transparent   name
    {'.', qRgba(0, 0, 0, 0),                  true},     // transparent
    {'k', qRgb(0x00, 0x00, 0x00),             false},    // black
    {'r', qRgb(0x80, 0x00, 0x00),             false},    // dark red
    {'g', qRgb(0x00, 0x80, 0x00),             false},    // dark green
    {'y', qRgb(0x80, 0x80, 0x00),             false},    // olive
    {'b', qRgb(0x00, 0x00, 0x80),             false},    // navy
    {'m', qRgb(0x80, 0x00, 0x80),             false},    // purple
    {'c', qRgb(0x00, 0x80, 0x80),             false},    // teal
    {'w', qRgb(0xC0, 0xC0, 0xC0),             false},    // silver
    {'K', qRgb(0x80, 0x80, 0x80),             false},    // grey
    {'R', qRgb(0xFF, 0x00, 0x00),             false},    // red
    {'G', qRgb(0x00, 0xFF, 0x00),             false},    // green
    {'Y', qRgb(0xFF, 0xFF, 0x00),             false},    // yellow
    {'B', qRgb(0x00, 0x00, 0xFF),             false},    // blue
    {'M', qRgb(0xFF, 0x00, 0xFF),             false},    // magenta
    {'C', qRgb(0x00, 0xFF, 0xFF),             false},    // cyan
    {'W', qRgb(0xFF, 0xFF, 0xFF),             false},    // white
}};

const std::array<PaletteEntry, 3> CURSOR_PALETTE = {{
    {'.', qRgba(0, 0, 0, 0),                  true},     // transparent
    {'B', qRgb(0x00, 0x00, 0x00),             false},    // black
    {'W', qRgb(0xFF, 0xFF, 0xFF),             false},    // white
}};
// clang-format on

namespace {

const PaletteEntry* FindPaletteEntry(std::span<const PaletteEntry> palette, char cCode) {
    for (const PaletteEntry& entry : palette) {
        if (entry.cCode == cCode) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

QImage PixelArtToImage(std::span<const char* const> apszRows,
                       std::span<const PaletteEntry> palette) {
    if (apszRows.empty() || apszRows[0] == nullptr) {
        return {};
    }
    const std::size_t nWidth = std::strlen(apszRows[0]);
    if (nWidth == 0) {
        return {};
    }
    QImage image(static_cast<int>(nWidth), static_cast<int>(apszRows.size()),
                 QImage::Format_ARGB32);
    for (std::size_t nY = 0; nY < apszRows.size(); ++nY) {
        const char* pszRow = apszRows[nY];
        if (pszRow == nullptr || std::strlen(pszRow) != nWidth) {
            return {};
        }
        for (std::size_t nX = 0; nX < nWidth; ++nX) {
            const PaletteEntry* pEntry = FindPaletteEntry(palette, pszRow[nX]);
            if (pEntry == nullptr) {
                return {};
            }
            image.setPixel(static_cast<int>(nX), static_cast<int>(nY),
                           pEntry->bTransparent ? qRgba(0, 0, 0, 0) : pEntry->rgb);
        }
    }
    return image;
}
