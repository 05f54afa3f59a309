// A clock that stands still at a time the test chooses, with separators the test can change.
#pragma once

#include "platform/clock.h"

namespace tavel::testing {

class FakeClock : public Clock {
 public:
  DateTime now{2026, 12, 8, 2, 9, 30, 0};
  std::string dateSeparator = "/";
  std::string timeSeparator = ":";
  std::string thousandsSeparator = ",";

  DateTime Now() override { return now; }
  std::string DateSeparator() override { return dateSeparator; }
  std::string TimeSeparator() override { return timeSeparator; }
  std::string ThousandsSeparator() override { return thousandsSeparator; }
};

}  // namespace tavel::testing
