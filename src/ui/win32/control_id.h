// The child-window identifier of a control, derived from its name, so that a test program driving
// the real windows from outside can find a control by the name the program gives it.
#pragma once

#include <cstdint>
#include <string>

namespace tavel {

inline int ControlIdFor(const std::string& name) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (unsigned char c : name) {
    h ^= c;
    h *= 16777619u;
  }
  return 0x1000 + static_cast<int>(h % 0x6000u);
}

}  // namespace tavel
