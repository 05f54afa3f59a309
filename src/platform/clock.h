// The local date and time, and the locale's separators for dates, times and thousands.
#pragma once

#include <string>

namespace tavel {

struct DateTime {
  int year = 1980;
  int month = 1;
  int day = 1;
  int dayOfWeek = 2;  // 0 = Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() = 0;
  virtual std::string DateSeparator() = 0;
  virtual std::string TimeSeparator() = 0;
  virtual std::string ThousandsSeparator() = 0;
};

}  // namespace tavel
