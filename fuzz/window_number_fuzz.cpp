// Fuzz target: the running players' numbers in WN, as players that crashed, other versions or a
// user may have left them, taken and given back.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "player/window_number.h"
#include "text/number.h"

using namespace tavel;

namespace {

// The settings key holding WN alone: all the numbering reads and writes.
class WnKey : public RegistryKey {
 public:
  std::optional<std::string> wn;
  std::optional<std::string> ReadString(const std::string&) override { return wn; }
  bool WriteString(const std::string&, const std::string& value) override {
    wn = value;
    return true;
  }
  bool DeleteValue(const std::string&) override {
    wn.reset();
    return true;
  }
  std::vector<std::string> SubKeyNames() override { return {}; }
  std::vector<std::string> ValueNames() override { return {}; }
};

// The numbers a list names, as the numbering reads them; false when a piece is not a number.
bool NumbersIn(const std::string& wn, std::multiset<std::int32_t>& numbers) {
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = wn.find(',', start);
    std::string piece = wn.substr(start, comma == std::string::npos ? comma : comma - start);
    if (!piece.empty()) {
      auto n = ParseDecimal(piece);
      if (!n) return false;
      numbers.insert(*n);
    }
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string wn(reinterpret_cast<const char*>(data), size);
  WnKey key;
  key.wn = wn;
  std::multiset<std::int32_t> before;
  const bool readable = NumbersIn(wn, before);

  std::int32_t number = AllocateWindowNumber(key, true);
  FUZZ_CHECK(number >= 0 && number <= kMaxWindowNumber);
  if (number == 0) {
    FUZZ_CHECK(key.wn == wn);
    return 0;
  }
  FUZZ_CHECK(readable && before.count(number) == 0);
  for (std::int32_t n = 1; n < number; ++n) FUZZ_CHECK(before.count(n) > 0);
  FUZZ_CHECK(key.wn == wn + "," + std::to_string(number));

  // Giving the number back leaves every other number as it was, zeros and empty pieces dropped.
  FUZZ_CHECK(ReleaseWindowNumber(key, number));
  std::multiset<std::int32_t> after;
  if (key.wn) FUZZ_CHECK(NumbersIn(*key.wn, after));
  before.erase(0);
  FUZZ_CHECK(after == before);
  // Released again, a number no longer listed changes nothing.
  const std::optional<std::string> left = key.wn;
  FUZZ_CHECK(ReleaseWindowNumber(key, number));
  FUZZ_CHECK(key.wn == left);
  return 0;
}
