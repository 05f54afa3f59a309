// What the entry sequence hands to the main window it opens: the mode the process runs in and
// the uninstall's facts.
#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop.h"

namespace tavel {

// What the process is for; the setup window acts on it.
enum ModeCodeValue : std::int32_t {
  kModeNormal = 0,
  kModeUninstall = 1,
  kModeUninstallerCopy = 2,
  kModeUninstallRefused = 999,
};

// What the entry sequence leaves behind for the main window.
struct EntryState {
  std::int32_t ModeCode = kModeNormal;
  std::int32_t UninstallCounter = 0;
  std::string UninstallerName;
  WindowHandle OtherPlayerWindow = 0;
};

}  // namespace tavel
