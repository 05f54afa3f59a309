// Copying a file in blocks so that the copy carries the original's date and time.
#include "setup/copy_file_keep_date.h"

#include <optional>
#include <vector>

#include "platform/file_system.h"

namespace tavel {

namespace {

// Copies block by block until a read returns less than a whole block; false on any failure.
bool CopyBlocks(OpenFile& from, OpenFile& to) {
  std::vector<char> buffer(kCopyBlockSize);
  for (;;) {
    std::optional<std::size_t> got = from.Read(buffer.data(), buffer.size());
    if (!got) return false;
    if (*got > 0 && !to.Write(buffer.data(), *got)) return false;
    if (*got < buffer.size()) return true;
  }
}

// Writes the whole source with its date into `temporary` and closes it; false on any failure.
bool WriteDatedCopy(FileSystem& files, OpenFile& from, const std::string& temporary) {
  std::optional<FileStamp> stamp = from.LastWrite();
  std::unique_ptr<OpenFile> to = files.CreateToWrite(temporary);
  if (!to) return false;
  if (!CopyBlocks(from, *to)) return false;
  // A date that cannot be set does not undo a complete copy.
  if (stamp) to->SetLastWrite(*stamp);
  return true;
}

}  // namespace

std::string CopyTemporaryName(const std::string& destination) {
  return destination + ".new";
}

bool CopyFileKeepDate(FileSystem& files, const std::string& source,
                      const std::string& destination) {
  std::unique_ptr<OpenFile> from = files.OpenToRead(source);
  if (!from) return false;
  const std::string temporary = CopyTemporaryName(destination);
  if (WriteDatedCopy(files, *from, temporary) && files.ReplaceFileWith(destination, temporary))
    return true;
  files.RemoveFile(temporary);
  return false;
}

}  // namespace tavel
