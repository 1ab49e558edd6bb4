// The keys that open the menu bar as in the desktop's other programs: F10 alone, and Alt
// pressed and released with no other key between.
#pragma once

#include <Qt>

class CMenuKeys {
public:
    // Follows one key press; true when it opens the menu bar (F10 without modifiers).
    bool OnKeyPress(int nQtKey, Qt::KeyboardModifiers modifiers);
    // Follows one key release; true when it opens the menu bar (Alt released with no other
    // key pressed since it went down).
    bool OnKeyRelease(int nQtKey);
    // The window lost the keyboard: an Alt released elsewhere opens nothing here.
    void Reset() { m_bAltAlone = false; }

private:
    bool m_bAltAlone = false;
};
