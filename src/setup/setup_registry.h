// The registry keys the install and the uninstall share besides the product's own key.
#pragma once

namespace tavel {

// Under HKEY_USERS: the shell's names of its special groups; "StartUp" is the start-up group.
constexpr const char* kMapGroupsKeyPath =
    ".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
// Under HKEY_LOCAL_MACHINE: the system's software list; the product's entry is this + ProductBase.
constexpr const char* kUninstallKeyBase =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
// Under HKEY_USERS: what the first uninstall step hands to the uninstaller copy.
constexpr const char* kHandoffKeyPath = ".Default\\Software\\Unin_KOLAP SOFT32";

}  // namespace tavel
