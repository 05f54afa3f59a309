// The tray icon's tip text cut and the error of a refused icon.
#pragma once

#include <stdexcept>
#include <string>

namespace tavel {

// The shell refused to add or change the icon.
class TrayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The tip as the icon can hold it: at most 63 bytes, and never ending in the first byte of a
// double-byte character cut from its second byte.
std::string CutTrayTip(std::string tip);

}  // namespace tavel
