// The setup window's surroundings: the keys it writes, the entry state it is created with, and the
// fakes and the scripted user it runs on. The install and the uninstall fixtures both start from
// it.
#pragma once

#include <memory>

#include "dialogs/yes_no_box.h"
#include "product/identity.h"
#include "setup/setup_window.h"
#include "support/fake_world.h"

namespace tavel::testing {

// The keys setup writes, spelled out here so that a wrong key in the program shows.
inline constexpr const char* kMakerKey = ".Default\\Software\\KOLAP SOFT32";
inline constexpr const char* kProductKey = ".Default\\Software\\KOLAP SOFT32\\TaVEL32";
inline constexpr const char* kEntryKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TaVEL32";
inline constexpr const char* kMapGroupsKey =
    ".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
inline constexpr const char* kHandoffKey = ".Default\\Software\\Unin_KOLAP SOFT32";

class SetupWorld : public FakeWorld {
 protected:
  SetupWorld() { app.SetTitle("楽蔵32"); }

  EntryState entry;
  std::unique_ptr<TTVLSETUPForm> window;
};

}  // namespace tavel::testing
