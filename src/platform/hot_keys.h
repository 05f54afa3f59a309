// Hot keys: keys a window holds for the whole system, which reach it whichever window has the
// focus, as long as no other program holds them first.
#pragma once

#include "platform/desktop.h"

namespace tavel {

class HotKeys {
 public:
  virtual ~HotKeys() = default;
  // Takes the key (without shift keys) for the window under the window's own number `id`; false
  // when another window or program holds it.
  virtual bool Register(WindowHandle window, int id, unsigned virtualKey) = 0;
  virtual void Unregister(WindowHandle window, int id) = 0;
};

}  // namespace tavel
