// Keys pressed in a window of the program under test, as the keyboard delivers them.
#pragma once

#include <windows.h>

namespace tavel::e2e {

// The control that has the keyboard focus in the thread that owns `window`, or null.
HWND FocusedControl(HWND window);

// Presses and releases `virtualKey` on the control that has the focus in `window`'s thread, the
// way the keyboard's messages reach it (posted). False when nothing has the focus.
bool PressKey(HWND window, WPARAM virtualKey);

// Presses and releases a key of the keyboard itself (a media key, say) through the system's
// input: it goes to a hot key when some window holds one, else to the window in front.
bool PressKeyboardKey(WORD virtualKey);
// Puts `window` in front with the keyboard focus, as a click on it would; false when it did not
// come to the front in time.
bool BringToFront(HWND window);

}  // namespace tavel::e2e
