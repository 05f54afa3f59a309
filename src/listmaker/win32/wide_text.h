// UTF-8 and the UTF-16 text of the Windows wide functions, converted without loss.
#pragma once

#include <string>

namespace tavel {

std::wstring WideOf(const std::string& utf8);
std::string Utf8Of(const std::wstring& wide);

}  // namespace tavel
