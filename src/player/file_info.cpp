// The texts of the status bar's file information: name, size, date and attributes of a list entry.
#include "player/file_info.h"

#include "text/date_format.h"
#include "text/path.h"

namespace tavel {

std::string FileSizeText(std::uint64_t size, const std::string& thousandsSeparator) {
  return FormatThousands(static_cast<std::int64_t>(size), thousandsSeparator, 8);
}

std::string FileDateText(const std::optional<DateTime>& lastWrite, const std::string& dateSeparator,
                         const std::string& timeSeparator) {
  if (!lastWrite) return kFileDatePattern;
  return FormatDateTime(kFileDatePattern, *lastWrite, dateSeparator, timeSeparator);
}

std::string AttributeText(std::uint32_t attributes) {
  std::string text = "    ";
  if (attributes & kAttrReadOnly) text[0] = 'r';
  if (attributes & kAttrSystem) text[1] = 's';
  if (attributes & kAttrHidden) text[2] = 'h';
  if (attributes & kAttrArchive) text[3] = 'a';
  return text;
}

std::string StartDatePanelText(Clock& clock) {
  return FileDateText(clock.Now(), clock.DateSeparator(), clock.TimeSeparator()) + "rsha";
}

FileInfoTexts DescribeFile(FileSystem& fs, Clock& clock, const std::string& path) {
  FileInfoTexts texts{DisplayName(path), kMissingSizeText, kMissingDateText};
  const std::optional<FoundFile> found = fs.FindFile(path, kAttrAnyFile);
  if (!found) return texts;
  texts.size = FileSizeText(found->size, clock.ThousandsSeparator());
  texts.date = FileDateText(found->lastWrite, clock.DateSeparator(), clock.TimeSeparator()) +
               AttributeText(found->attributes);
  return texts;
}

}  // namespace tavel
