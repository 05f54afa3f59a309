// The list maker's reading of folders, music files and playlists on Windows, through the wide
// functions so that every name arrives whole.
#pragma once

#include "listmaker/music_files.h"

namespace tavel {

class Win32MusicFiles : public MusicFiles {
 public:
  std::string FullPath(const std::string& path) override;
  PathKind KindOf(const std::string& path) override;
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  std::optional<std::string> ShortName(const std::string& path) override;
};

}  // namespace tavel
