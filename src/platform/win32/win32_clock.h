// The local time and the user's locale separators from Windows.
#pragma once

#include "platform/clock.h"

namespace tavel {

class Win32Clock : public Clock {
 public:
  DateTime Now() override;
  std::string DateSeparator() override;
  std::string TimeSeparator() override;
  std::string ThousandsSeparator() override;
};

}  // namespace tavel
