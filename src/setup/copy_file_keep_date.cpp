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

}  // namespace

bool CopyFileKeepDate(FileSystem& files, const std::string& source,
                      const std::string& destination) {
  std::unique_ptr<OpenFile> from = files.OpenToRead(source);
  if (!from) return false;
  std::optional<FileStamp> stamp = from->LastWrite();
  std::unique_ptr<OpenFile> to = files.CreateToWrite(destination);
  if (!to) return false;
  const bool copied = CopyBlocks(*from, *to);
  // The date goes on whatever was written, so that even a partial copy is not taken for a newer
  // file. A date that cannot be set does not undo a complete copy.
  if (stamp) to->SetLastWrite(*stamp);
  return copied;
}

}  // namespace tavel
