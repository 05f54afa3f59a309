// Hot keys held in memory: keys another program holds are refused, as the system refuses them.
#pragma once

#include <map>
#include <set>

#include "platform/hot_keys.h"

namespace tavel::testing {

class FakeHotKeys : public HotKeys {
 public:
  bool Register(WindowHandle, int id, unsigned virtualKey) override {
    if (heldElsewhere.count(virtualKey) || held.count(id)) return false;
    held[id] = virtualKey;
    return true;
  }
  void Unregister(WindowHandle, int id) override { held.erase(id); }

  std::set<unsigned> heldElsewhere;  // virtual keys another program holds
  std::map<int, unsigned> held;      // the player's hot keys: number and virtual key
};

}  // namespace tavel::testing
