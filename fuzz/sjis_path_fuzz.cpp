// Fuzz target: the Shift-JIS helpers on any bytes a path, a list entry or a folder name may hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "text/name_case.h"
#include "text/path.h"
#include "text/sjis.h"

using namespace tavel;

namespace {

// The start of every character, by the lead-byte walk.
std::vector<std::size_t> CharStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) {
    FUZZ_CHECK(NextCharIndex(text, i) > i && NextCharIndex(text, i) <= text.size());
    starts.push_back(i);
  }
  return starts;
}

void CheckBackslashes(const std::string& path) {
  if (path.empty()) return;  // never asked of an empty path
  std::string with = WithBackslash(path);
  FUZZ_CHECK(with == path || with == path + "\\");
  // A path cut after a lead byte takes the appended backslash as the second half of that
  // character, by the lead-byte rule; any other path ends in a backslash of its own afterwards.
  const std::vector<std::size_t> starts = CharStarts(path);
  const bool endsInLoneLead = starts.back() == path.size() - 1 && IsLeadByte(path.back());
  if (!endsInLoneLead) {
    FUZZ_CHECK(EndsWithBackslash(with));
    FUZZ_CHECK(WithBackslash(with) == with);
  }
  std::string without = WithoutBackslash(path);
  if (path.size() > 3 && EndsWithBackslash(path)) {
    FUZZ_CHECK(without + "\\" == path);
  } else {
    FUZZ_CHECK(without == path);
  }
}

void CheckNames(const std::string& path) {
  std::string name = DisplayName(path);
  FUZZ_CHECK(name.size() <= path.size());
  FUZZ_CHECK(path.compare(path.size() - name.size(), name.size(), name) == 0);
  std::string joined;
  for (const std::string& piece : PathComponents(path)) {
    FUZZ_CHECK(!piece.empty() && piece.back() == '\\');
    joined += piece;
  }
  FUZZ_CHECK(path.compare(0, joined.size(), joined) == 0);
  for (const std::string& prefix : PathPrefixes(path)) {
    FUZZ_CHECK(prefix.size() <= path.size());
  }
}

// Only single-byte ASCII letters change; every double-byte character stays as it was.
void CheckCase(const std::string& text) {
  const std::vector<std::size_t> starts = CharStarts(text);
  for (const std::string& changed : {ConvertNameCase(text, true), ConvertNameCase(text, false),
                                     UpperCaseName(text), LowerAscii(text)}) {
    FUZZ_CHECK(changed.size() == text.size());
    for (std::size_t s = 0; s < starts.size(); ++s) {
      std::size_t end = s + 1 < starts.size() ? starts[s + 1] : text.size();
      if (end - starts[s] == 2) {
        FUZZ_CHECK(changed.compare(starts[s], 2, text, starts[s], 2) == 0);
      } else {
        unsigned char a = text[starts[s]], b = changed[starts[s]];
        FUZZ_CHECK(a == b || (a ^ 0x20) == b);
      }
    }
  }
  std::size_t sep = LastSeparatorIndex(text, "\\:");
  if (sep != std::string::npos) FUZZ_CHECK(sep < text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  CharStarts(text);
  CheckBackslashes(text);
  CheckNames(text);
  CheckCase(text);
  return 0;
}
