// Letter case of names and paths in Shift-JIS: only ASCII letters change, double-byte characters
// never.
#pragma once

#include <string>

namespace tavel {

// The text in lower case (lowerCase) or upper case. Conversion stops at the first double quote; the
// rest of the text is returned unchanged.
std::string ConvertNameCase(const std::string& text, bool lowerCase);

// The text in upper case regardless of the display setting (titles, the file-type test).
std::string UpperCaseName(const std::string& text);

// The text with A to Z lower-cased, double quotes included (names in the folder browser).
std::string LowerAscii(const std::string& text);

}  // namespace tavel
