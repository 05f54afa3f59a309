// The clock: the local date and time, and the locale's separators for dates, times and thousands.
#pragma once

#include <string>

#include "base/date_time.h"

namespace tavel {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() = 0;
  virtual std::string DateSeparator() = 0;
  virtual std::string TimeSeparator() = 0;
  virtual std::string ThousandsSeparator() = 0;
};

}  // namespace tavel
