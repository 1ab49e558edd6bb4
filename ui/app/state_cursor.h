// The cursor that names what the human is to do next, by interaction state.
#pragma once

// Whether the client area shows the wait cursor in nState: while the computer thinks or plays
// alone.
bool ShowsWaitCursor(int nState);

// The cursor resource of nState: 1 -> 106 (place), 2 -> 107 (capture), 3 -> 108 (slide),
// 4 -> 110 (target), 5 -> 109 (jump), 6 -> 110 (target); 0 for every other value, whose
// cursor is not changed.
int CursorIdForState(int nState);
