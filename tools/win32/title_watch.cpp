// Prints the player window's title each time it changes (the file that plays), as UTF-8, until
// no player window is left. Used by the run command when there is no display to look at.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8FromShiftJis(const std::string& text) {
  int n = MultiByteToWideChar(932, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
  MultiByteToWideChar(932, 0, text.c_str(), -1, wide.data(), n);
  int m = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(m > 0 ? m : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, out.data(), m, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

}  // namespace

int main() {
  std::string last;
  bool seen = false;
  for (int waited = 0;; Sleep(200)) {
    HWND player = FindWindowA("TTAVEL32KOLAP", nullptr);
    if (!player) {
      if (seen || (waited += 200) > 60000) return 0;
      continue;
    }
    seen = true;
    char title[512] = {};
    GetWindowTextA(player, title, sizeof title);
    if (title != last) {
      last = title;
      std::printf("player: %s\n", Utf8FromShiftJis(last).c_str());
      std::fflush(stdout);
    }
  }
}
