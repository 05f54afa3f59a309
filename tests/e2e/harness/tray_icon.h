// The task tray seen from the test program: whether the shell shows a window's icon, taking it
// away as a shell that starts again does, and the menus a click on the icon opens.
#pragma once

#include <windows.h>

#include "test_process.h"

namespace tavel::e2e {

// What the shell sends the player for a click on its icon (the program's own callback message).
constexpr UINT kTrayCallbackMessage = 0x466;
// The window class of a pop-up menu.
constexpr const char* kPopupMenuClass = "#32768";

// True when the shell shows the icon of `window` (the program's icon number 0).
bool TrayIconShown(HWND window);
// Removes the icon of `window` from the shell; true when it was there.
bool RemoveTrayIconOf(HWND window);
// Clicks the icon of `window` (`click` is WM_RBUTTONDOWN or WM_LBUTTONDOWN, as the shell reports
// it) and gives the pop-up menu `process` shows for it; null when none shows in time.
HWND OpenIconMenu(HWND window, const TestProcess& process, LPARAM click);

}  // namespace tavel::e2e
