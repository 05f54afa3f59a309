// The drive service on Windows.
#pragma once

#include "platform/drives.h"

namespace tavel {

class Win32Drives : public Drives {
 public:
  DriveKind Kind(const std::string& root) override;
  std::optional<std::string> VolumeLabel(const std::string& root) override;
  std::optional<std::string> NetworkName(const std::string& drive) override;
  bool HasMedium(const std::string& root) override;
  bool EnterFolder(const std::string& folder) override;
  std::string CurrentFolderOf(char letter) override;
};

}  // namespace tavel
