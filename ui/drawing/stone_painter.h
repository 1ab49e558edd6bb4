// One stone and one change marker, drawn on a device context in the board's logical units.
#pragma once

class CDC;

// Offset of a stone's shadow to the lower right: the grid spacing divided by nine.
inline constexpr double STONE_SHADOW_OFFSET = 625.0 / 9.0;

// Draws a stone centred at logical (x, y): PLAYER_BLACK a black one, any other side a white
// one. A shadow disc offset down and to the right, then five concentric discs alternating
// face and ring colour, then a quarter arc on each disc's edge, light on the upper left and
// dark on the lower right for the raised parts, the other way round for the grooves.
//
// The discs take the pen selected on entry (the board painting selects a null pen, so they
// have no outline). Leaves the device context with the pen and brush it had on entry.
void DrawStone(CDC& dc, int x, int y, int side);

// Draws the wedge that marks a point at logical (x, y) whose cell changed from prev to cur
// by a move of markerSide: red where a stone of the other side was removed, light green
// where markerSide's stone left, green where a stone arrived. The wedge spans about 45
// degrees to the upper right of the point's centre, radius 162.5. Outlined with the pen
// selected on entry; leaves the device context with the brush it had on entry.
void DrawChangeMarker(CDC& dc, int x, int y, int prev, int cur, int markerSide);
