// Dates and numbers as the status bar shows them.
#pragma once

#include <cstdint>
#include <string>

#include "base/date_time.h"

namespace tavel {

// The short weekday names the player uses whatever the system language.
extern const char* const kShortDayNames[7];

// Formats with the letters yy, mm, dd, ddd, hh, nn/mm after hh, ss; "/" and ":" become the
// locale's separators; any other character is copied.
std::string FormatDateTime(const std::string& pattern, const DateTime& t,
                           const std::string& dateSep, const std::string& timeSep);

// A whole number with thousands separators, padded on the left with blanks to `width`.
std::string FormatThousands(std::int64_t value, const std::string& separator, int width);

}  // namespace tavel
