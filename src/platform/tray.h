// The shell's notification area (the task tray): adding, changing and removing one icon.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/desktop.h"

namespace tavel {

// The icon's message to its window: the first user message number plus 102.
constexpr unsigned kTrayCallbackMessage = 0x466;
// Which fields of the record count.
constexpr unsigned kTrayFlagMessage = 1;
constexpr unsigned kTrayFlagIcon = 2;
constexpr unsigned kTrayFlagTip = 4;
// The tip holds at most this many bytes of text.
constexpr std::size_t kTrayTipMaxBytes = 63;

// The icon record the program fills, field for field as the shell takes it.
struct TrayIconData {
  WindowHandle window = 0;       // receives the callback message
  unsigned id = 0;               // the program's number for its icon
  unsigned flags = 0;            // kTrayFlag* bits
  unsigned callbackMessage = 0;  // sent with the mouse message in its second parameter
  std::uintptr_t icon = 0;       // icon handle
  std::string tip;               // at most kTrayTipMaxBytes bytes
};

class Tray {
 public:
  virtual ~Tray() = default;
  // Each returns whether the shell accepted the request.
  virtual bool Add(const TrayIconData& data) = 0;
  virtual bool Modify(const TrayIconData& data) = 0;
  virtual bool Delete(const TrayIconData& data) = 0;
  // The message the shell sends every top-level window when it has started (again, after a
  // crash or a restart of the desktop): the icons it showed are gone then. 0 when there is none.
  virtual unsigned ShellStartedMessage() = 0;
};

}  // namespace tavel
