// Fuzz target: the "File" value of the uninstall's hand-off key, as anything writing that key may
// leave it, and the folders the uninstaller copy would remove after deleting that file.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "setup/emptied_folders.h"
#include "text/path.h"
#include "text/sjis.h"

using namespace tavel;

namespace {

std::set<std::size_t> CharStarts(const std::string& text) {
  std::set<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) starts.insert(i);
  return starts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> chain = EmptiedFolderChain(file);
  const std::string folder = FolderOf(file);
  FUZZ_CHECK(folder.empty() || EndsWithBackslash(folder));
  FUZZ_CHECK(file.compare(0, folder.size(), folder) == 0);
  if (chain.empty()) return 0;

  // Every folder is one the file lies in: a start of the path that is followed by a backslash of
  // its own (never the second half of a character such as ソ), deepest first, and below the root:
  // at least one backslash before it, four on a network path (\\SERVER\SHARE\).
  const std::set<std::size_t> starts = CharStarts(file);
  const std::size_t rootBackslashes = file.rfind("\\\\", 0) == 0 ? 4 : 1;
  std::size_t previous = file.size();
  for (const std::string& c : chain) {
    FUZZ_CHECK(c.size() < previous);
    FUZZ_CHECK(file.compare(0, c.size(), c) == 0);
    FUZZ_CHECK(file[c.size()] == '\\' && starts.count(c.size()) == 1);
    std::size_t backslashes = 0;
    for (std::size_t i : starts) backslashes += i < c.size() && file[i] == '\\';
    FUZZ_CHECK(backslashes >= rootBackslashes);
    previous = c.size();
  }
  FUZZ_CHECK(chain.front() + "\\" == folder);
  return 0;
}
