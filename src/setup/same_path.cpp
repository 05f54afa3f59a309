// Whether two spellings of a path name the same file or folder.
#include "setup/same_path.h"

#include "platform/file_system.h"
#include "text/name_case.h"
#include "text/path.h"

namespace tavel {

namespace {

// The long full form in upper case (ASCII letters only, double-byte characters kept whole),
// without a trailing backslash.
std::string Comparable(FileSystem& files, const std::string& path) {
  std::string full = files.LongPath(path);
  if (full.empty()) full = path;
  return full.empty() ? full : UpperCaseName(WithoutBackslash(full));
}

}  // namespace

bool SamePath(FileSystem& files, const std::string& a, const std::string& b) {
  return Comparable(files, a) == Comparable(files, b);
}

}  // namespace tavel
