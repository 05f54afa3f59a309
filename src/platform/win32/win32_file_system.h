// The file system service on Windows: directory search, whole-file reads and writes, atomic
// replace, files opened for block copies, folders.
#pragma once

#include "platform/file_system.h"

namespace tavel {

class Win32FileSystem : public FileSystem {
 public:
  std::optional<FoundFile> FindFile(const std::string& path, std::uint32_t allowed) override;
  FileContent ReadFile(const std::string& path) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) override;
  bool CreateEmptyFile(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool FileExists(const std::string& path) override;

  std::unique_ptr<OpenFile> OpenToRead(const std::string& path) override;
  std::unique_ptr<OpenFile> CreateToWrite(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::string FullPath(const std::string& path) override;
  std::string WindowsFolder(int maxChars) override;

  // --- Directory search ---
  DirectoryListing SearchFolder(const std::string& pattern, std::uint32_t allowed) override;

  bool ReplaceFileWith(const std::string& path, const std::string& replacement) override;
  bool ClearReadOnly(const std::string& path) override;
  std::string LongPath(const std::string& path) override;
};

}  // namespace tavel
