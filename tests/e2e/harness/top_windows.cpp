// Top-level windows of the programs under test: finding them by class, waiting for them, closing.
#include "top_windows.h"

namespace tavel::e2e {

namespace {

struct Search {
  const char* className;
  DWORD processId;
  bool includeOwn;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto& s = *reinterpret_cast<Search*>(param);
  DWORD pid = ProcessOf(window);
  if (!s.includeOwn && pid == GetCurrentProcessId()) return TRUE;
  if (s.processId != 0 && pid != s.processId) return TRUE;
  if (s.className && ClassOf(window) != s.className) return TRUE;
  s.found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(const char* className, DWORD processId, bool includeOwn) {
  Search s{className, processId, includeOwn, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND WaitForWindow(const char* className, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        auto all = TopWindows(className);
        found = all.empty() ? nullptr : all.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

HWND WaitForShownWindow(const char* className, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : TopWindows(className)) {
          if (IsShown(w)) found = w;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool WaitForNoWindow(const char* className, int timeoutMs) {
  return WaitUntil([&] { return TopWindows(className).empty(); }, timeoutMs);
}

bool WaitForWindowCount(const char* className, size_t count, int timeoutMs) {
  return WaitUntil([&] { return TopWindows(className).size() == count; }, timeoutMs);
}

std::string ClassOf(HWND window) {
  char name[256];
  int n = GetClassNameA(window, name, sizeof name);
  return std::string(name, n > 0 ? n : 0);
}

// One read into a buffer larger than any caption of the program: asking for the length first and
// then for the text could cut a caption that changed in between.
std::string Caption(HWND window) {
  std::string text(1024, '\0');
  int n = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(n > 0 ? n : 0);
  return text;
}

bool IsShown(HWND window) {
  return IsWindowVisible(window) != FALSE;
}

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

void RequestClose(HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace tavel::e2e
