// Fuzz target: the stored settings texts FP, MEMORY, SAISEIM, INDEX, FILEHIS and the flags, and
// the Version value, as a user or another program may have left them in the registry.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_check.h"
#include "player/settings.h"
#include "product/identity.h"

using namespace tavel;

namespace {

void CheckCommaLists(const std::string& text) {
  for (int count = 1; count <= 8; ++count) {
    auto fields = ParseCommaFields(text, count);
    if (fields) FUZZ_CHECK(fields->size() == static_cast<std::size_t>(count));
  }
  MemorySetting memory = ParseMemory(text);
  FUZZ_CHECK(memory.MemoryIndex >= 0 && memory.MemoryIndex <= 255);
  // What is read back after a save is what was saved.
  MemorySetting again = ParseMemory(FormatMemory(memory.MemoryIndex, memory.NameDisplay));
  FUZZ_CHECK(again.MemoryIndex == memory.MemoryIndex && again.NameDisplay == memory.NameDisplay);

  PlayModeSetting mode = ParsePlayMode(text);
  PlayModeSetting modeAgain = ParsePlayMode(FormatPlayMode(mode));
  FUZZ_CHECK(modeAgain.PlayModeIndex == mode.PlayModeIndex && modeAgain.Endless == mode.Endless &&
             modeAgain.AutoPlay == mode.AutoPlay && modeAgain.StartInTray == mode.StartInTray);

  std::int32_t index = ParseSavedIndex(text);
  FUZZ_CHECK(ParseSavedIndex(FormatSavedIndex(index)) == index);
  ParseInteger(text, 0);
  ParseFlag(text, true);
}

void CheckPosition(const std::string& text) {
  const Point centred{123, 45};
  Point p = ReadWindowPosition(text, centred);
  Point again = ReadWindowPosition(FormatWindowPosition(p), {0, 0});
  FUZZ_CHECK(again.x == p.x && again.y == p.y);
}

void CheckVersion(const std::string& text) {
  std::string shown = FormatVersion(ParseVersion(std::optional<std::string>(text)));
  if (shown == "?.?") return;
  // Digits, a dot and one digit: the stored number divided by ten.
  std::size_t dot = shown.find('.');
  FUZZ_CHECK(dot != std::string::npos && dot > 0 && dot + 2 == shown.size());
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (i != dot) FUZZ_CHECK(shown[i] >= '0' && shown[i] <= '9');
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  CheckCommaLists(text);
  CheckPosition(text);
  CheckVersion(text);
  return 0;
}
