// Keys pressed in a window of the program under test, as the keyboard delivers them.
#pragma once

#include <windows.h>

namespace tavel::e2e {

// The control that has the keyboard focus in the thread that owns `window`, or null.
HWND FocusedControl(HWND window);

// Presses and releases `virtualKey` on the control that has the focus in `window`'s thread, the
// way the keyboard's messages reach it (posted). False when nothing has the focus.
bool PressKey(HWND window, WPARAM virtualKey);

}  // namespace tavel::e2e
