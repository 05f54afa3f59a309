// Fuzz target: list files as the companion program or a damaged disk may leave them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "lists/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> entries = tavel::ParseListFile(bytes);
  FUZZ_CHECK(tavel::CountListEntries(bytes) == entries.size());
  std::size_t total = 0;
  for (const std::string& e : entries) {
    FUZZ_CHECK(e.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    total += e.size();
  }
  FUZZ_CHECK(total <= size);
  // What the player writes back reads as the same entries.
  FUZZ_CHECK(tavel::ParseListFile(tavel::FormatListFile(entries)) == entries);
  return 0;
}
