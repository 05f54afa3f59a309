// Letter case of names and paths in Shift-JIS: only ASCII letters change, double-byte characters
// never.
#include "text/name_case.h"

#include "text/sjis.h"

namespace tavel {

namespace {

constexpr char kCaseDistance = 'a' - 'A';

std::string ConvertAsciiCase(std::string text, bool lowerCase, bool stopAtQuote) {
  for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) {
    char& c = text[i];
    if (stopAtQuote && c == '"') break;
    if (lowerCase && c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c + kCaseDistance);
    } else if (!lowerCase && c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - kCaseDistance);
    }
  }
  return text;
}

}  // namespace

std::string ConvertNameCase(const std::string& text, bool lowerCase) {
  return ConvertAsciiCase(text, lowerCase, true);
}

std::string UpperCaseName(const std::string& text) {
  return ConvertNameCase(text, false);
}

std::string LowerAscii(const std::string& text) {
  return ConvertAsciiCase(text, true, false);
}

}  // namespace tavel
