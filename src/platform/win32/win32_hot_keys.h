// Hot keys through the system's hot key registration.
#pragma once

#include "platform/hot_keys.h"

namespace tavel {

class Win32HotKeys : public HotKeys {
 public:
  bool Register(WindowHandle window, int id, unsigned virtualKey) override;
  void Unregister(WindowHandle window, int id) override;
};

}  // namespace tavel
