// What the list maker reads: folders, music files and playlists, named in UTF-8 so that a name
// code page 932 cannot hold arrives whole and can be refused rather than mangled.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavel {

enum class PathKind { Missing, File, Folder };

struct FolderEntry {
  std::string name;  // without its folder
  bool folder = false;
};

class MusicFiles {
 public:
  virtual ~MusicFiles() = default;
  // The full path of a path given on the command line (relative to the current folder).
  virtual std::string FullPath(const std::string& path) = 0;
  virtual PathKind KindOf(const std::string& path) = 0;
  // The files and folders in a folder, without "." and ".."; nothing when it cannot be read.
  virtual std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) = 0;
  // The whole file; nothing when it cannot be read.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // The short (8.3) name the volume keeps for the file or folder at a full path, without its
  // folder; nothing when it keeps none.
  virtual std::optional<std::string> ShortName(const std::string& path) = 0;
};

}  // namespace tavel
