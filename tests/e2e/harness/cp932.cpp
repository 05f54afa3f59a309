// Conversion between the wide text that crosses process boundaries under Wine and code page 932.
#include "cp932.h"

#include <windows.h>

namespace tavel::e2e {

namespace {
constexpr UINT kShiftJis = 932;
}

std::string ToCp932(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(kShiftJis, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::wstring FromCp932(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(kShiftJis, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(kShiftJis, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

}  // namespace tavel::e2e
