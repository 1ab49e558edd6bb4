// The board icon drawn to scale, for the sizes that have no hand-drawn picture.
#pragma once

#include <QImage>

// Draws the design of the hand-drawn 32-pixel board icon at nSize x nSize pixels (nSize
// at least 1) with antialiasing: the yellow ground with its grey shadow, the black lines and
// the stones of BOARD_ICON_STONES, shaded, on a transparent background, in
// Format_ARGB32_Premultiplied.
QImage DrawBoardIcon(int nSize);
