// Fuzz target: the "GROUPS" reply of Program Manager, as any program answering by that name may
// send it, and the group box's list made from it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "setup/progman.h"

using namespace tavel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string reply(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> names = ParseProgmanGroups(reply);
  for (const std::string& name : names) {
    for (char c : name) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x14);
  }
  // The saved group is taken from the reply itself half the time, as after an earlier install.
  std::string saved = names.empty() || size % 2 ? "" : names.back();
  GroupChoice choice = ChooseProgmanGroups(names, saved);
  FUZZ_CHECK(choice.selected >= 0 && choice.selected < static_cast<int>(choice.names.size()));
  bool hasMakerGroup = false;
  for (const std::string& name : choice.names)
    hasMakerGroup = hasMakerGroup || name == "KOLAP SOFT32";
  FUZZ_CHECK(hasMakerGroup);
  return 0;
}
