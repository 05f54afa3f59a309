// The screen and its windows as Windows reports them.
#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <vector>

namespace tavel {

namespace {

HWND ToHwnd(WindowHandle w) {
  return reinterpret_cast<HWND>(w);
}

WindowHandle FromHwnd(HWND hwnd) {
  return reinterpret_cast<WindowHandle>(hwnd);
}

}  // namespace

Size Win32Desktop::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

WindowHandle Win32Desktop::FindWindowByClass(const std::string& className) {
  return FromHwnd(FindWindowA(className.c_str(), nullptr));
}

WindowHandle Win32Desktop::WindowFromPoint(Point p) {
  return FromHwnd(::WindowFromPoint(POINT{p.x, p.y}));
}

std::optional<Rect> Win32Desktop::WindowRect(WindowHandle w) {
  RECT r;
  if (!GetWindowRect(ToHwnd(w), &r)) return std::nullopt;
  return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A length of 0 is an empty title, unless the window is gone or the call failed.
std::optional<std::string> Win32Desktop::WindowText(WindowHandle w, int maxChars) {
  if (maxChars <= 0 || !IsWindow(ToHwnd(w))) return std::nullopt;
  std::vector<char> buffer(static_cast<size_t>(maxChars), '\0');
  SetLastError(ERROR_SUCCESS);
  int length = GetWindowTextA(ToHwnd(w), buffer.data(), maxChars);
  if (length == 0 && GetLastError() != ERROR_SUCCESS) return std::nullopt;
  return std::string(buffer.data(), static_cast<size_t>(length));
}

Color Win32Desktop::SystemColor(SysColor which) {
  switch (which) {
    case SysColor::WindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case SysColor::Window:
      return GetSysColor(COLOR_WINDOW);
    default:
      return GetSysColor(COLOR_BTNFACE);
  }
}

Point Win32Desktop::CursorPos() {
  POINT p{};
  if (!GetCursorPos(&p)) return {0, 0};
  return {p.x, p.y};
}

}  // namespace tavel
