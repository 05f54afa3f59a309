// The list maker's output on Windows: wide text to a console, the system's code page elsewhere.
#include "listmaker/win32/win32_console.h"

#include <windows.h>

#include "listmaker/win32/wide_text.h"

namespace tavel {

namespace {

// Text ends with CR LF on every line, as files on Windows do.
std::wstring WithLineEnds(const std::string& utf8) {
  std::wstring text;
  for (wchar_t c : WideOf(utf8)) {
    if (c == L'\n') text += L'\r';
    text += c;
  }
  if (text.empty() || text.back() != L'\n') text += L"\r\n";
  return text;
}

void Write(DWORD which, const std::string& utf8) {
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  const std::wstring text = WithLineEnds(utf8);
  const int size = static_cast<int>(text.size());
  DWORD mode = 0, written = 0;
  if (GetConsoleMode(handle, &mode)) {
    WriteConsoleW(handle, text.data(), static_cast<DWORD>(size), &written, nullptr);
    return;
  }
  const int length =
      WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), length,
                      nullptr, nullptr);
  WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void Win32Console::Out(const std::string& utf8Line) {
  Write(STD_OUTPUT_HANDLE, utf8Line);
}

void Win32Console::Err(const std::string& utf8Line) {
  Write(STD_ERROR_HANDLE, utf8Line);
}

}  // namespace tavel
