// Hot keys through the system's hot key registration.
#include "platform/win32/win32_hot_keys.h"

#include <windows.h>

namespace tavel {

bool Win32HotKeys::Register(WindowHandle window, int id, unsigned virtualKey) {
  return RegisterHotKey(reinterpret_cast<HWND>(window), id, 0, virtualKey) != 0;
}

void Win32HotKeys::Unregister(WindowHandle window, int id) {
  UnregisterHotKey(reinterpret_cast<HWND>(window), id);
}

}  // namespace tavel
