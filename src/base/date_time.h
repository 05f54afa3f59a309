// A local date and time of day, as the system's clock and file times give it.
#pragma once

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

}  // namespace tavel
