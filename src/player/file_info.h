// The texts of the status bar's file information: name, size, date and attributes of a list entry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace tavel {

// The size panel's text for a file that is not there; the play sequence skips an entry showing it.
inline constexpr const char* kMissingSizeText = "----------";
// The date panel's text for a file that is not there ("day" is literal text, not a weekday).
inline constexpr const char* kMissingDateText = " yy/mm/dd day hh:mm:ss ----";
inline constexpr const char* kFileDatePattern = " yy/mm/dd ddd hh:mm:ss ";

struct FileInfoTexts {
  std::string name;  // status bar panel 0
  std::string size;  // panel 1
  std::string date;  // panel 2: date, time and attributes
};

// The size with thousands separators, right-aligned in at least 8 characters.
std::string FileSizeText(std::uint64_t size, const std::string& thousandsSeparator);

// " 97/03/15 Sat 21:05:09 "; the pattern itself when there is no date to show.
std::string FileDateText(const std::optional<DateTime>& lastWrite, const std::string& dateSeparator,
                         const std::string& timeSeparator);

// Four characters: r, s, h, a where the attribute is set, a blank where not.
std::string AttributeText(std::uint32_t attributes);

// The date panel at start-up: the date pattern with the current time, followed by "rsha".
std::string StartDatePanelText(Clock& clock);

// The three panel texts for a list entry. The name is the entry's display name as stored; a
// folder or volume label of that name counts as missing.
FileInfoTexts DescribeFile(FileSystem& fs, Clock& clock, const std::string& path);

}  // namespace tavel
