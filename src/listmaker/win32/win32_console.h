// The list maker's output on Windows: wide text to a console window, the system's code page when
// the output goes to a file or a pipe.
#pragma once

#include "listmaker/console.h"

namespace tavel {

class Win32Console : public Console {
 public:
  void Out(const std::string& utf8Line) override;
  void Err(const std::string& utf8Line) override;
};

}  // namespace tavel
