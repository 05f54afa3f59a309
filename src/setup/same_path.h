// Whether two spellings of a path name the same file or folder.
#pragma once

#include <string>

namespace tavel {

class FileSystem;

// True when `a` and `b` name the same file or folder however they are spelled: relative or full,
// short names (KOLAPP~1) or long, letters in either case, with or without a trailing backslash.
bool SamePath(FileSystem& files, const std::string& a, const std::string& b);

}  // namespace tavel
