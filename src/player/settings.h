// The player's settings in the registry: text formats, defaults, reading at start-up, saving at
// close.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "platform/named_mutex.h"
#include "platform/registry.h"

namespace tavel {

// The stored settings, each at its default (what a player starts with when the key is empty).
struct PlayerSettings {
  std::int32_t HistoryLimit = 0;  // FILEHIS: most entries the history keeps, 0 = history off
  bool PlayBar = false;           // SAISEIBAR: menu "再生バーＯＮ"
  bool StandardColors = true;     // BackColor: menu "バックカラーを標準色にする"
  bool Hints = true;              // minihelp: control hints, menu "ミニヘルプＯＮ"
  int MemoryIndex = 0;            // MEMORY field 5, its low 8 bits: 0..9 = M0..M9, 10 = HIS
  bool NameDisplay = true;        // MEMORY field 7: file names only (menu SSN)
  int PlayModeIndex = 3;        // SAISEIM field 1: 0 連続, 1 逆連, 2 単独, 3 ﾗﾝﾀﾞﾑ
  bool Endless = true;          // SAISEIM field 2: check box "無限"
  bool AutoPlay = false;        // SAISEIM field 3: menu "自動立ち上げ"
  bool StartInTray = false;     // SAISEIM field 4: menu "最小化立ち上げ"
  std::int32_t SavedIndex = 0;  // INDEX field 1: the entry selected in ListBox2, -1 for none
  bool Mp3AndWma = false;       // MP3WMA: menu "ＭＰ３・ＷＭＡ再生ＯＮ"
};

// What the close sequence saves: the settings as they are now, the window's place and number.
struct SettingsSnapshot {
  Point WindowPosition;  // left and top in screen pixels
  PlayerSettings Settings;
  std::int32_t WindowNumber = 0;
};

// Labels of the values whose failed save is reported.
inline constexpr const char* kSaveLabelPosition = "フォームポジション";
inline constexpr const char* kSaveLabelMemory = "メモリー番号";
inline constexpr const char* kSaveLabelPlayMode = "再生／無限モード";
inline constexpr const char* kSaveLabelIndex = "インデックス";
inline constexpr const char* kSaveLabelWindowNumber = "フォーム番号";

// --- Reading stored text (missing is nullopt) ---

// Takes `count` fields: each time the text before the first ",", and last the whole remainder.
// Nothing when a comma is missing or a field is not a decimal integer.
std::optional<std::vector<std::int32_t>> ParseCommaFields(const std::string& text, int count);

// One integer (FILEHIS); missing, empty or not a number gives `fallback`.
std::int32_t ParseInteger(const std::optional<std::string>& text, std::int32_t fallback);
// A flag stored as an integer, on when not 0 (SAISEIBAR, BackColor, minihelp, MP3WMA).
bool ParseFlag(const std::optional<std::string>& text, bool fallback);

struct MemorySetting {
  int MemoryIndex = 0;
  bool NameDisplay = true;
};
// MEMORY: seven integers, or the default M0 with file-name display on.
MemorySetting ParseMemory(const std::optional<std::string>& text);

struct PlayModeSetting {
  int PlayModeIndex = 3;
  bool Endless = true;
  bool AutoPlay = false;
  bool StartInTray = false;
};
// SAISEIM: eight integers, or the default random, endless, no auto-play, no tray start.
PlayModeSetting ParsePlayMode(const std::optional<std::string>& text);

// INDEX: two integers, the first one counts; 0 otherwise. Checking it against the number of
// entries is left to the caller.
std::int32_t ParseSavedIndex(const std::optional<std::string>& text);

// --- Window position (FP) ---

// The top left corner that centres `window` on `screen` (halves rounded toward zero).
Point CentredPosition(Size screen, Size window);
// FP "left,top" over the centred position: a bad left keeps both centred, a bad top keeps the
// centred top.
Point ReadWindowPosition(const std::optional<std::string>& fp, Point centred);
// The window is then kept inside the work area by the dialogs' placement rule
// (KeepInsideWorkArea).

// --- Text written at close ---

std::string FormatFlag(bool on);                              // "0" or "1"
std::string FormatWindowPosition(Point position);             // FP: "left,top"
std::string FormatMemory(int memoryIndex, bool nameDisplay);  // "-1,-1,-1,-1,<index>,-1,<flag>"
std::string FormatPlayMode(const PlayModeSetting& mode);      // "<mode>,<e>,<a>,<t>,-1,-1,-1,-1"
std::string FormatSavedIndex(std::int32_t index);             // INDEX: "<index>,-1"

// --- The key ---

// Reads FILEHIS, SAISEIBAR, BackColor, minihelp, MEMORY, SAISEIM and MP3WMA, in that order;
// anything missing or bad takes its default. SavedIndex stays at its default: INDEX is read later.
PlayerSettings ReadSettings(RegistryKey& key);
std::int32_t ReadSavedIndex(RegistryKey& key);

// Saves FP, MEMORY, SAISEIM, FILEHIS, SAISEIBAR, INDEX, minihelp, BackColor, MP3WMA and gives
// back the window number, on the key opened (created when missing) for this one use. Each failed
// save of FP, MEMORY, SAISEIM, INDEX or WN is reported with its label and the saving goes on; when
// the key cannot be opened, all five are reported.
void WriteSettings(Registry& registry, NamedMutexes& mutexes, const SettingsSnapshot& snapshot,
                   const std::function<void(const std::string& label)>& reportSaveFailure);

// "[tavel.ini]ファイルの" + label + "セーブ処理に失敗しました・・・"
std::string ReportSaveFailureText(const std::string& label);

}  // namespace tavel
