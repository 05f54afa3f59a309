// Keys pressed in a window of the program under test, as the keyboard delivers them.
#include "keys.h"

#include "wait.h"

namespace tavel::e2e {

HWND FocusedControl(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (thread == 0 || !GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

bool PressKey(HWND window, WPARAM virtualKey) {
  // Another window of the desktop can take the activation for a moment (a window of the test
  // program starting beside it); the box then has no focused control until it is active again.
  HWND focus = FocusedControl(window);
  if (!focus && BringToFront(window)) focus = FocusedControl(window);
  if (!focus) return false;
  // Repeat count 1 and the key's scan code; the release also has the previous-state and
  // transition bits set.
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(virtualKey), 0)) << 16;
  return PostMessageA(focus, WM_KEYDOWN, virtualKey, 1 | scan) &&
         PostMessageA(focus, WM_KEYUP, virtualKey, 1 | scan | (LPARAM{3} << 30));
}

bool PressKeyboardKey(WORD virtualKey) {
  INPUT input[2] = {};
  for (INPUT& i : input) {
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = virtualKey;
    i.ki.dwFlags = KEYEVENTF_EXTENDEDKEY;
  }
  input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  return SendInput(2, input, sizeof(INPUT)) == 2;
}

bool BringToFront(HWND window) {
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() != window) SetForegroundWindow(window);
        return GetForegroundWindow() == window && FocusedControl(window) != nullptr;
      },
      kWindowTimeoutMs);
}

}  // namespace tavel::e2e
