// Copying a file in blocks so that the copy carries the original's date and time.
#pragma once

#include <cstddef>
#include <string>

namespace tavel {

class FileSystem;

// The size of one block of the copy.
inline constexpr std::size_t kCopyBlockSize = 32768;

// Copies `source` over `destination` (created or emptied first) in blocks of kCopyBlockSize and
// gives the copy the source's date and time, also when a write failed part way. False when the
// source cannot be opened, the destination cannot be created, or a read or write failed.
bool CopyFileKeepDate(FileSystem& files, const std::string& source, const std::string& destination);

}  // namespace tavel
