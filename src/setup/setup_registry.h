// The names setup writes and removes: the product's files, its item, and the registry keys the
// install and the uninstall share besides the hand-off key.
#pragma once

#include <string>

#include "product/identity.h"

namespace tavel {

constexpr const char* kSetupProductBase = "TaVEL32";
constexpr const char* kSetupExeFileName = "TaVEL32.EXE";
constexpr const char* kSetupTextFileName = "TaVEL32.TXT";
constexpr const char* kSetupHistoryFileName = "TaVO32MH.LIS";
constexpr const char* kSetupItemTitle = "\"楽蔵32 T-VEL\"";

// Under HKEY_USERS: the maker's key, and the product's key in it (install folder and group).
constexpr const char* kMakerKeyPath = ".Default\\Software\\KOLAP SOFT32";
inline std::string ProductKeyPath() {
  return std::string(kMakerKeyPath) + "\\" + kSetupProductBase;
}
// Under HKEY_USERS: the shell's names of its special groups; "StartUp" is the start-up group.
constexpr const char* kMapGroupsKeyPath =
    ".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
// Under HKEY_LOCAL_MACHINE: the product's entry in the system's software list.
inline std::string UninstallEntryKeyPath() {
  return std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") +
         kSetupProductBase;
}

// The entry's "DisplayName": KOLAP 楽蔵32 T-VEL V1.1.
inline std::string UninstallDisplayName() {
  return "KOLAP 楽蔵32 T-VEL V" + FormatVersion(kThisVersion, ".");
}

}  // namespace tavel
