// Pictures kept as text: one string per pixel row, one character per pixel, each character
// a code of a palette table. The resources are reviewable in the source this way, and the
// conversion to an image is one small function.
#pragma once

#include <QImage>
#include <QRgb>
#include <array>
#include <span>

// One code of a palette. A pixel whose code has bTransparent set gets alpha 0; every other
// pixel is opaque in the colour rgb.
struct PaletteEntry {
    char cCode;
    QRgb rgb;
    bool bTransparent;
};

// The sixteen colours of the classic 16-colour display palette, plus '.' for transparent.
// Lower case is the dark half of a hue and upper case its bright half; black and grey are
// k and K, silver and white w and W.
extern const std::array<PaletteEntry, 17> CLASSIC_PALETTE;

// The three codes of a monochrome cursor: 'B' black, 'W' white, '.' transparent.
extern const std::array<PaletteEntry, 3> CURSOR_PALETTE;

// Converts a text picture to a QImage in Format_ARGB32, as wide as its first row and as high
// as it has rows. Returns a null image when there are no rows, a row is empty or of a
// different length than the first, or a character has no entry in the palette, so that a
// fault in the data can never pass for a picture.
QImage PixelArtToImage(std::span<const char* const> apszRows,
                       std::span<const PaletteEntry> palette);
