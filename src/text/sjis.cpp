// Shift-JIS byte walk: lead bytes, character steps and searches that keep double-byte characters
// whole.
#include "text/sjis.h"

#include <algorithm>

namespace tavel {

bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

std::size_t NextCharIndex(const std::string& text, std::size_t i) {
  const std::size_t step = IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  return std::min(i + step, text.size());
}

std::size_t LeadByteRunBefore(const std::string& text, std::size_t end) {
  std::size_t run = 0;
  while (run < end && IsLeadByte(static_cast<unsigned char>(text[end - 1 - run]))) ++run;
  return run;
}

std::size_t LastSeparatorIndex(const std::string& text, const std::string& separators) {
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) {
    if (separators.find(text[i]) != std::string::npos) last = i;
  }
  return last;
}

}  // namespace tavel
