// The task tray through the shell's notify-icon requests.
#pragma once

#include "platform/tray.h"

namespace tavel {

class Win32Tray : public Tray {
 public:
  bool Add(const TrayIconData& data) override;
  bool Modify(const TrayIconData& data) override;
  bool Delete(const TrayIconData& data) override;
  unsigned ShellStartedMessage() override;
};

}  // namespace tavel
