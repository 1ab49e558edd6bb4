// The lock keys' indicator state, which the status bar shows. Qt has no query for it; on X11
// it is read from the keyboard extension, elsewhere it is unknown.
#pragma once

#include <QString>

struct LockKeyState {
    bool bCapsLock = false;
    bool bNumLock = false;
    bool bScrollLock = false;
};

// Reads the indicators into state. False, with state unchanged, where the platform does not
// tell them (offscreen, Wayland, an X server without the keyboard extension).
bool ReadLockKeyState(LockKeyState& state);

// The text of indicator pane nPaneId (ID_INDICATOR_CAPS, _NUM or _SCRL): its string while its
// lock key is on, else "".
QString IndicatorPaneText(int nPaneId, const LockKeyState& state);
