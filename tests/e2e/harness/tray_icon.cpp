// The task tray seen from the test program, through the shell's notify-icon requests.
#include "tray_icon.h"

// The shell's declarations need the types of windows.h first.
#include <shellapi.h>

#include "top_windows.h"

namespace tavel::e2e {

namespace {

NOTIFYICONDATAA IconOf(HWND window) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = 0;
  return record;
}

}  // namespace

// The shell changes only an icon it shows: a change without fields tells whether it is there.
bool TrayIconShown(HWND window) {
  NOTIFYICONDATAA record = IconOf(window);
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool RemoveTrayIconOf(HWND window) {
  NOTIFYICONDATAA record = IconOf(window);
  return Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
}

HWND OpenIconMenu(HWND window, const TestProcess& process, LPARAM click) {
  PostMessageA(window, kTrayCallbackMessage, 0, click);
  HWND menu = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : process.Windows(kPopupMenuClass)) {
          if (IsShown(w)) menu = w;
        }
        return menu != nullptr;
      },
      kWindowTimeoutMs);
  return menu;
}

}  // namespace tavel::e2e
