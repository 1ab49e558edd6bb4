// Which key presses the board takes, and as which of the document's board keys.
#pragma once

#include <Qt>

// Results besides the BoardKey values: a key the board leaves to the window, and a key of the
// board that does nothing now.
inline constexpr int KEY_NOT_FOR_BOARD = -1;
inline constexpr int KEY_REPEATED_CLICK = -2;
// The keys that have the board speak, free in screen readers' default layouts and no file
// letter: S the state of the game, P where the stones stand, W the last announcement again.
inline constexpr int KEY_SPEAK_SUMMARY = -3;
inline constexpr int KEY_SPEAK_POSITION = -4;
inline constexpr int KEY_REPEAT_ANNOUNCEMENT = -5;

// The BoardKey of a key press on the board, or KEY_NOT_FOR_BOARD for a key the board leaves
// to the window:
// the arrows move the focus; Return, Enter (keypad) and Space are a left click, Escape a
// right click; the letters a to g and the digits name points; S, P and W have the board speak.
// Keys held with Ctrl, Alt or Meta belong to the window's shortcuts. Any key but an arrow that
// repeats while held down counts once (KEY_REPEATED_CLICK for the repetitions): a held Return
// must not place a stone and then go on clicking.
int BoardKeyForKeyPress(int nQtKey, Qt::KeyboardModifiers modifiers, bool bAutoRepeat);
