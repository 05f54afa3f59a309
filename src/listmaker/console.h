// Where the list maker reports: its normal output and its complaints, as lines of UTF-8 text.
#pragma once

#include <string>

namespace tavel {

class Console {
 public:
  virtual ~Console() = default;
  virtual void Out(const std::string& utf8Line) = 0;
  virtual void Err(const std::string& utf8Line) = 0;
};

}  // namespace tavel
