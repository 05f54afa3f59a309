// Conversion between the wide text that crosses process boundaries under Wine and code page 932.
#pragma once

#include <string>

namespace tavel::e2e {

// Shift-JIS bytes of wide text.
std::string ToCp932(const std::wstring& text);
// Wide text of Shift-JIS bytes.
std::wstring FromCp932(const std::string& text);

}  // namespace tavel::e2e
