// The folders the uninstaller copy removes after it has deleted the installed program.
#include "setup/emptied_folders.h"

#include "text/path.h"
#include "text/sjis.h"

namespace tavel {

namespace {

// The index of the backslash that ends the root: the first (C:\), or the fourth on a network
// path (\\SERVER\SHARE\); npos when the path has no such backslash.
std::size_t RootEnd(const std::string& path) {
  std::size_t rootBackslashes = path.rfind("\\\\", 0) == 0 ? 4 : 1;
  for (std::size_t i = 0; i < path.size(); i = NextCharIndex(path, i)) {
    if (path[i] == '\\' && --rootBackslashes == 0) return i;
  }
  return std::string::npos;
}

}  // namespace

std::string RootOf(const std::string& path) {
  std::size_t end = RootEnd(path);
  return end == std::string::npos ? path : path.substr(0, end + 1);
}

std::vector<std::string> EmptiedFolderChain(const std::string& program) {
  const std::string folder = FolderOf(program);
  std::vector<std::string> chain;
  const std::size_t root = RootEnd(folder);
  if (root == std::string::npos) return chain;
  for (std::size_t i = NextCharIndex(folder, root); i < folder.size();
       i = NextCharIndex(folder, i)) {
    if (folder[i] == '\\') chain.insert(chain.begin(), folder.substr(0, i));
  }
  return chain;
}

}  // namespace tavel
