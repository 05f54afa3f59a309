// Copying a file in blocks so that the copy carries the original's date and time.
#pragma once

#include <cstddef>
#include <string>

namespace tavel {

class FileSystem;

// The size of one block of the copy.
inline constexpr std::size_t kCopyBlockSize = 32768;

// The name beside `destination` under which its copy is written until it is complete.
std::string CopyTemporaryName(const std::string& destination);

// Copies `source` over `destination` in blocks of kCopyBlockSize and gives the copy the source's
// date and time. The copy is written beside the destination under CopyTemporaryName and takes the
// destination's place only when it is complete, so that a failed copy (a full disk, a source that
// cannot be read to its end) leaves the previous file as it was and no temporary file behind.
// False when the source cannot be opened, the copy cannot be written or put in place.
bool CopyFileKeepDate(FileSystem& files, const std::string& source, const std::string& destination);

}  // namespace tavel
