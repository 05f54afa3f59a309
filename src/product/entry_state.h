// What the entry sequence hands to the main window it opens: the mode the process runs in and
// the uninstall's facts.
#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop.h"

namespace tavel {

// What the process is for; the setup window acts on it.
constexpr std::int32_t kModeNormal = 0;
constexpr std::int32_t kModeUninstall = 1;
constexpr std::int32_t kModeUninstallerCopy = 2;
constexpr std::int32_t kModeUninstallRefused = 999;

// What the entry sequence leaves behind for the main window.
struct EntryState {
  std::int32_t ModeCode = kModeNormal;
  std::int32_t UninstallCounter = 0;
  std::string UninstallerName;
  WindowHandle OtherPlayerWindow = 0;
};

}  // namespace tavel
