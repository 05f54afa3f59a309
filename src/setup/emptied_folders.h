// The folders the uninstaller copy removes after it has deleted the installed program.
#pragma once

#include <string>
#include <vector>

namespace tavel {

// The root of a path: the drive (C:\) or the network share (\\SERVER\SHARE\); the whole path when
// it has no root of either kind.
std::string RootOf(const std::string& path);

// The program's folder and the folders above it, deepest first, for the copy to remove until one
// of them still holds something. The root of the path is never among them: the drive (C:\), a
// network share (\\SERVER\SHARE\) or, for a value not written by the installed program, the
// first folder of a relative path.
std::vector<std::string> EmptiedFolderChain(const std::string& program);

}  // namespace tavel
