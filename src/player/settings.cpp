// The player's settings in the registry: text formats, defaults, reading at start-up, saving at
// close.
#include "player/settings.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "player/window_number.h"
#include "product/identity.h"
#include "product/layout.h"
#include "text/number.h"

namespace tavel {
namespace {

std::optional<std::vector<std::int32_t>> ParseStoredFields(const std::optional<std::string>& text,
                                                           int count) {
  if (!text) return std::nullopt;
  return ParseCommaFields(*text, count);
}

}  // namespace

std::optional<std::vector<std::int32_t>> ParseCommaFields(const std::string& text, int count) {
  if (count < 1) return std::nullopt;
  std::vector<std::int32_t> fields;
  std::string rest = text;
  for (int i = 1; i <= count; ++i) {
    size_t comma = i < count ? rest.find(',') : rest.size();
    if (comma == std::string::npos) return std::nullopt;
    std::optional<std::int32_t> value = ParseDecimal(rest.substr(0, comma));
    if (!value) return std::nullopt;
    fields.push_back(*value);
    rest.erase(0, std::min(comma + 1, rest.size()));
  }
  return fields;
}

std::int32_t ParseInteger(const std::optional<std::string>& text, std::int32_t fallback) {
  std::optional<std::int32_t> value = text ? ParseDecimal(*text) : std::nullopt;
  return value.value_or(fallback);
}

bool ParseFlag(const std::optional<std::string>& text, bool fallback) {
  return ParseInteger(text, fallback ? 1 : 0) != 0;
}

MemorySetting ParseMemory(const std::optional<std::string>& text) {
  MemorySetting memory;
  if (auto fields = ParseStoredFields(text, 7)) {
    memory.MemoryIndex = static_cast<std::uint8_t>((*fields)[4]);
    memory.NameDisplay = (*fields)[6] != 0;
  }
  return memory;
}

PlayModeSetting ParsePlayMode(const std::optional<std::string>& text) {
  PlayModeSetting mode;
  if (auto fields = ParseStoredFields(text, 8)) {
    mode.PlayModeIndex = (*fields)[0];
    mode.Endless = (*fields)[1] != 0;
    mode.AutoPlay = (*fields)[2] != 0;
    mode.StartInTray = (*fields)[3] != 0;
  }
  return mode;
}

std::int32_t ParseSavedIndex(const std::optional<std::string>& text) {
  auto fields = ParseStoredFields(text, 2);
  return fields ? (*fields)[0] : 0;
}

Point CentredPosition(Size screen, Size window) {
  return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

Point ReadWindowPosition(const std::optional<std::string>& fp, Point centred) {
  if (!fp || fp->empty()) return centred;
  // Without a comma the whole text is the left edge and the top has nothing to convert.
  size_t comma = fp->find(',');
  std::optional<std::int32_t> left = ParseDecimal(fp->substr(0, comma));
  if (!left) return centred;
  std::optional<std::int32_t> top =
      comma == std::string::npos ? std::nullopt : ParseDecimal(fp->substr(comma + 1));
  return {*left, top.value_or(centred.y)};
}

std::string FormatFlag(bool on) {
  return on ? "1" : "0";
}

std::string FormatWindowPosition(Point position) {
  return std::to_string(position.x) + "," + std::to_string(position.y);
}

std::string FormatMemory(int memoryIndex, bool nameDisplay) {
  return "-1,-1,-1,-1," + std::to_string(memoryIndex) + ",-1," + FormatFlag(nameDisplay);
}

std::string FormatPlayMode(const PlayModeSetting& mode) {
  return std::to_string(mode.PlayModeIndex) + "," + FormatFlag(mode.Endless) + "," +
         FormatFlag(mode.AutoPlay) + "," + FormatFlag(mode.StartInTray) + ",-1,-1,-1,-1";
}

std::string FormatSavedIndex(std::int32_t index) {
  return std::to_string(index) + ",-1";
}

PlayerSettings ReadSettings(RegistryKey& key) {
  PlayerSettings settings;
  // A negative limit would remove every entry as it is recorded and read "-5個" in the menu: it
  // is a bad value like any other and takes the default.
  settings.HistoryLimit = ParseInteger(key.ReadString(kHistoryLimitValue), settings.HistoryLimit);
  if (settings.HistoryLimit < 0) settings.HistoryLimit = PlayerSettings().HistoryLimit;
  settings.PlayBar = ParseFlag(key.ReadString(kPlayBarValue), settings.PlayBar);
  settings.StandardColors = ParseFlag(key.ReadString(kBackColorValue), settings.StandardColors);
  settings.Hints = ParseFlag(key.ReadString(kHintsValue), settings.Hints);
  MemorySetting memory = ParseMemory(key.ReadString(kMemoryValue));
  settings.MemoryIndex = memory.MemoryIndex;
  settings.NameDisplay = memory.NameDisplay;
  PlayModeSetting mode = ParsePlayMode(key.ReadString(kPlayModeValue));
  settings.PlayModeIndex = mode.PlayModeIndex;
  settings.Endless = mode.Endless;
  settings.AutoPlay = mode.AutoPlay;
  settings.StartInTray = mode.StartInTray;
  settings.Mp3AndWma = ParseFlag(key.ReadString(kMp3AndWmaValue), settings.Mp3AndWma);
  return settings;
}

std::int32_t ReadSavedIndex(RegistryKey& key) {
  return ParseSavedIndex(key.ReadString(kSavedIndexValue));
}

void WriteSettings(Registry& registry, NamedMutexes& mutexes, const SettingsSnapshot& snapshot,
                   const std::function<void(const std::string& label)>& reportSaveFailure) {
  std::unique_ptr<RegistryKey> key = OpenSettingsKey(registry);
  if (!key) {
    // Nothing was saved: every value that reports a failure says so.
    for (const char* label : {kSaveLabelPosition, kSaveLabelMemory, kSaveLabelPlayMode,
                              kSaveLabelIndex, kSaveLabelWindowNumber}) {
      reportSaveFailure(label);
    }
    return;
  }
  // A null label: the failure goes unreported and the saving goes on.
  auto save = [&](const char* name, const std::string& text, const char* label) {
    if (!key->WriteString(name, text) && label) reportSaveFailure(label);
  };
  const PlayerSettings& s = snapshot.Settings;
  save(kPositionValue, FormatWindowPosition(snapshot.WindowPosition), kSaveLabelPosition);
  save(kMemoryValue, FormatMemory(s.MemoryIndex, s.NameDisplay), kSaveLabelMemory);
  save(kPlayModeValue, FormatPlayMode({s.PlayModeIndex, s.Endless, s.AutoPlay, s.StartInTray}),
       kSaveLabelPlayMode);
  save(kHistoryLimitValue, std::to_string(s.HistoryLimit), nullptr);
  save(kPlayBarValue, FormatFlag(s.PlayBar), nullptr);
  save(kSavedIndexValue, FormatSavedIndex(s.SavedIndex), kSaveLabelIndex);
  save(kHintsValue, FormatFlag(s.Hints), nullptr);
  save(kBackColorValue, FormatFlag(s.StandardColors), nullptr);
  save(kMp3AndWmaValue, FormatFlag(s.Mp3AndWma), nullptr);
  if (!ReleaseWindowNumber(*key, mutexes, snapshot.WindowNumber))
    reportSaveFailure(kSaveLabelWindowNumber);
}

std::string ReportSaveFailureText(const std::string& label) {
  return "[tavel.ini]ファイルの" + label + "セーブ処理に失敗しました・・・";
}

}  // namespace tavel
