// Where the program keeps what it stores and how it names what it shares: every registry key and
// value name, every file name, the Program Manager group and item, the start arguments of the
// uninstall and the named objects of running players (the locks beside what they guard). Stored
// registries, installed folders, other running players and the companion program rely on each of
// them, so each is spelled here once.
#pragma once

#include <string>

namespace tavel {

// The maker's name in the keys, groups and object names below; one spelling for all of them.
#define TAVEL_MAKER "KOLAP SOFT32"

inline constexpr const char* kMakerName = TAVEL_MAKER;

// --- Under HKEY_USERS ---

// The maker's key; the uninstall takes it away once the product's key was all it held.
inline constexpr const char* kMakerKeyPath = ".Default\\Software\\" TAVEL_MAKER;

// The product's key: the player's settings, the installed version and the install's records.
// Setup once wrote its records through "...\TaVEL32" and the version through "...\TAVEL32". The
// registry ignores the case of key names, so both always reached one key, and that key has the
// player's spelling: the entry reads the version (creating the key) before any setup runs.
inline constexpr const char* kSettingsKeyPath = ".Default\\Software\\" TAVEL_MAKER "\\TAVEL32";

// The player's values of the product's key, read at its start and written at its close (their
// formats: player/settings.h). MP3WMA, whether MP3 and WMA files are played as well, is a value of
// its own, so that the older values keep their formats and a player that knows nothing of it reads
// the key as before. WN holds the numbers of the running player windows.
inline constexpr const char* kPositionValue = "FP";
inline constexpr const char* kMemoryValue = "MEMORY";
inline constexpr const char* kPlayModeValue = "SAISEIM";
inline constexpr const char* kHistoryLimitValue = "FILEHIS";
inline constexpr const char* kPlayBarValue = "SAISEIBAR";
inline constexpr const char* kSavedIndexValue = "INDEX";
inline constexpr const char* kHintsValue = "minihelp";
inline constexpr const char* kMp3AndWmaValue = "MP3WMA";
inline constexpr const char* kWindowNumbersValue = "WN";
// The lock every player holds while it reads and rewrites WN, so that players starting or closing
// at the same moment neither take one number twice nor write back a list another has just changed.
inline constexpr const char* kWindowNumberMutex = TAVEL_MAKER " TAVEL32 WN";
// Kept open by every player from the moment it has its number until its process ends. Whether
// another player runs is asked through it, under the lock: a player that started at the same
// moment but has no number yet is not running in this sense, since it numbers itself after us and
// sees our number. A player that ended in any way no longer keeps it open, so the numbers it left
// in WN are dropped by the next player that finds itself alone.
inline constexpr const char* kNumberedPlayerMark = TAVEL_MAKER " TAVEL32 numbered player";

// Values of the product's key that setup writes: the version this program is (which the entry
// reads), the install folder without a backslash at its end, the Program Manager group, and the
// colour choice that the player reads as its own setting.
inline constexpr const char* kVersionValue = "Version";
inline constexpr const char* kExePathValue = "EXEPATH";
inline constexpr const char* kGroupValue = "Group";
inline constexpr const char* kBackColorValue = "BackColor";

// The uninstall's hand-off from the installed program to its copy: the program to delete, the
// caption to show and whether to keep the folders ("n").
inline constexpr const char* kHandoffKeyPath = ".Default\\Software\\Unin_" TAVEL_MAKER;
inline constexpr const char* kHandoffFileValue = "File";
inline constexpr const char* kHandoffTitleValue = "Title";
inline constexpr const char* kHandoffRmDirValue = "RmDir";

// The shell's names of its special groups; "StartUp" is the start-up group.
inline constexpr const char* kMapGroupsKeyPath =
    ".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
inline constexpr const char* kStartUpGroupValue = "StartUp";

// --- Under HKEY_LOCAL_MACHINE ---

// The product's entry in the system's software list, with the name it shows and the command
// that removes the product.
inline constexpr const char* kUninstallEntryKeyPath =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TaVEL32";
inline constexpr const char* kDisplayNameValue = "DisplayName";
inline constexpr const char* kUninstallStringValue = "UninstallString";

// The entry's "DisplayName": KOLAP 楽蔵32 T-VEL V1.1.
std::string UninstallDisplayName();

// --- Program Manager ---

// The maker's groups: the older one and the one this program installs into by default.
inline constexpr const char* kMakerGroupOld = "KOLAP SOFT";
inline constexpr const char* kMakerGroup = TAVEL_MAKER;
// The program's item, in the double quotes the item macros take it in.
inline constexpr const char* kItemTitle = "\"楽蔵32 T-VEL\"";

// --- Files ---

// The program and its help text, in the install folder.
inline constexpr const char* kExeFileName = "TaVEL32.EXE";
inline constexpr const char* kHelpFileName = "TaVEL32.TXT";
// The lists beside the program: the history and the memories M0 to M9.
inline constexpr const char* kHistoryFileName = "TaVO32MH.LIS";
// The lock players hold while they save the history, one after the other.
inline constexpr const char* kHistoryFileMutex = TAVEL_MAKER " TAVEL32 history";
// TaVM32M0.LIS .. TaVM32M9.LIS.
std::string MemoryListFileName(int memory);

// The uninstaller copy in the Windows folder: the prefix, three digits of the uninstall counter,
// the extension ("unin_kolap000.exe").
inline constexpr const char* kUninstallerCopyPrefix = "unin_kolap";
inline constexpr const char* kUninstallerCopyExtension = ".exe";

// --- Start arguments ---

// The software list starts the installed program with this; the program starts its copy with the
// other (in double quotes).
inline constexpr const char* kUninstallArgument = "/uninstall";
inline constexpr const char* kDeleteFileArgument = "/DeleteFile";

#undef TAVEL_MAKER

}  // namespace tavel
