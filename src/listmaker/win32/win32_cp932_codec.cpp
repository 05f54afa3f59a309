// Conversion between UTF-8 and code page 932 by the system's own tables.
#include "listmaker/win32/win32_cp932_codec.h"

#include <windows.h>

#include "listmaker/win32/wide_text.h"

namespace tavel {

namespace {

constexpr UINT kShiftJis = 932;

// The wide text of bytes in a code page; nothing when they are not valid text of it.
std::optional<std::wstring> Decode(UINT codePage, const std::string& bytes) {
  if (bytes.empty()) return std::wstring();
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::optional<std::string> Win32Cp932Codec::FromUtf8(const std::string& utf8) {
  std::optional<std::wstring> wide = Decode(CP_UTF8, utf8);
  if (!wide) return std::nullopt;
  if (wide->empty()) return std::string();
  const int size = static_cast<int>(wide->size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide->data(), size,
                                         nullptr, 0, nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide->data(), size, bytes.data(), length,
                      nullptr, &usedDefault);
  // Only bytes that read back as the very same characters name the same file; this also catches
  // a system that maps a character to a look-alike in spite of the flag.
  if (usedDefault || Decode(kShiftJis, bytes) != wide) return std::nullopt;
  return bytes;
}

std::optional<std::string> Win32Cp932Codec::ToUtf8(const std::string& cp932) {
  std::optional<std::wstring> wide = Decode(kShiftJis, cp932);
  if (!wide) return std::nullopt;
  return Utf8Of(*wide);
}

}  // namespace tavel
