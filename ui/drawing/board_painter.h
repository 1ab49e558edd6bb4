// The whole game picture of the board view: the board with its lines and points, the
// stones, the highlight under a picked stone, the markers of the last move, the stones in
// hand, the captured rows and the optional statistics line.
#pragma once

class CDC;
class CPelvarDoc;
class QPainter;

// Gives dc the board's mapping (board_mapping.h), through which clicks are converted too.
void OnPrepareDC(CDC& dc);

// Paints the picture of doc on dc, which has the board's mapping. Reads doc only.
//
// Every area whose content can shrink is overpainted, so a repaint needs no erased
// background: the board by its own background, the hands and the captured rows by white
// rectangles, the statistics line by its trailing blanks. Stone counts outside 0..9 (which
// the game never produces) are taken as the nearest of 0 and 9 for the hands and the
// captured rows, so the picture stays within its areas. Leaves dc with the pen and brush it
// had on entry.
void OnDraw(CDC& dc, const CPelvarDoc& doc);

// The view's paint: a device context on painter (a widget's client area or an image of the
// same size, top-left at the painter's origin), the board's mapping, OnDraw.
// The painter's own state is left as it was.
void PaintBoard(QPainter& painter, const CPelvarDoc& doc);
