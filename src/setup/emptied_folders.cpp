// The folders the uninstaller copy removes after it has deleted the installed program.
#include "setup/emptied_folders.h"

#include "text/sjis.h"

namespace tavel {

std::string FolderOf(const std::string& path) {
  std::size_t cut = LastSeparatorIndex(path, "\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::vector<std::string> EmptiedFolderChain(const std::string& program) {
  const std::string folder = FolderOf(program);
  // The root ends at the first backslash (C:\), or at the fourth on a network path.
  std::size_t rootBackslashes = folder.rfind("\\\\", 0) == 0 ? 4 : 1;
  std::vector<std::string> chain;
  for (std::size_t i = 0; i < folder.size(); i = NextCharIndex(folder, i)) {
    if (folder[i] != '\\') continue;
    if (rootBackslashes > 0) {
      --rootBackslashes;
    } else {
      chain.insert(chain.begin(), folder.substr(0, i));
    }
  }
  return chain;
}

}  // namespace tavel
