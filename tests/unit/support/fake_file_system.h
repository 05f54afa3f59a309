// An in-memory file system for tests: files and folders by path, with dates, attributes and
// injectable failures.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace tavel::testing {

// Where the tests install the program, and the folder of its lists with the history list.
inline const std::string kProgramFolder = "C:\\KoLAPP32\\TaVIN32\\";
inline const std::string kListFolder = "C:\\KoLAPP32\\";
inline const std::string kHistoryFile = "C:\\KoLAPP32\\TaVO32MH.LIS";

class FakeFileSystem : public FileSystem {
 public:
  struct File {
    std::string bytes;
    std::optional<DateTime> lastWrite = DateTime{1997, 3, 15, 6, 21, 5, 9};
    std::uint32_t attributes = kAttrArchive;
    std::optional<std::uint64_t> size;  // a size other than bytes.size(), for very large files
    FileStamp stamp = 0x01BC3F2A5E6D7000ull;  // the last write as the block copy reads and sets it
  };

  std::optional<FoundFile> FindFile(const std::string& path, std::uint32_t allowed) override;
  FileContent ReadFile(const std::string& path) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) override;
  bool CreateEmptyFile(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool FileExists(const std::string& path) override;

  // Copying in blocks, folders and the Windows folder. Folders are entries with kAttrDirectory,
  // named without a trailing backslash except drive roots (C:\), which tests put like any other.
  std::unique_ptr<OpenFile> OpenToRead(const std::string& path) override;
  std::unique_ptr<OpenFile> CreateToWrite(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::string FullPath(const std::string& path) override;
  std::string WindowsFolder(int maxChars) override;

  // --- Directory search ---
  // Folders are matched ignoring ASCII case, as Windows does; a folder exists when it was put, when
  // something lies inside it, or when it is a drive root. Entries come sorted by lower-case name.
  DirectoryListing SearchFolder(const std::string& pattern, std::uint32_t allowed) override;
  // True when the folder exists (without trailing backslash, or a drive root such as C:\).
  bool HasFolder(const std::string& folder) const;
  // Folders that exist but cannot be searched (compared ignoring ASCII case).
  std::set<std::string> unlistable;

  bool ReplaceFileWith(const std::string& path, const std::string& replacement) override;
  bool ClearReadOnly(const std::string& path) override;
  // The full path with the folders of `longNames` spelled out.
  std::string LongPath(const std::string& path) override;
  // Short folder names and the long ones they stand for ("C:\KOLAPP~1" -> "C:\KoLAPP32"),
  // matched ignoring ASCII case.
  std::map<std::string, std::string> longNames;

  // Test set-up and inspection (paths are compared exactly; Windows compares them ignoring case).
  File& Put(const std::string& path, const std::string& bytes = "");
  void PutFolder(const std::string& path);
  bool Has(const std::string& path) const { return files_.count(path) != 0; }
  // The bytes of a file, or "<missing>".
  std::string Content(const std::string& path) const;
  File& At(const std::string& path) { return files_.at(path); }
  void Remove(const std::string& path) { files_.erase(path); }
  std::vector<std::string> Paths() const;

  // Files that exist but cannot be opened for reading.
  std::set<std::string> unreadable;
  // Files a running program holds: they cannot be deleted.
  std::set<std::string> inUse;
  // Paths whose creation or writing fails outright.
  std::set<std::string> failWrites;
  // Bytes left on the disk; a write that needs more stops there (WriteFile leaves what fitted).
  std::optional<std::size_t> spaceLeft;
  // Folders whose creation or removal fails although it could succeed.
  std::set<std::string> failFolders;
  // Files whose block reads fail after the open.
  std::set<std::string> failReads;
  // What a relative path is expanded against, and the Windows folder.
  std::string currentFolder = "C:\\WORK\\";
  std::string windowsFolder = "C:\\WINDOWS";
  // Every call, in order: "find P", "read P", "write P", "replace P", "create P", "exists P",
  // "open P" (to read), "truncate P" (to write), "block P N" (a read of N bytes), "mkdir P",
  // "rmdir P", "stamp P" (a date set), "close P", "search P", "remove P", "move R P" (R put in
  // the place of P), "unprotect P" (read-only cleared).
  std::vector<std::string> log;

 private:
  bool Fits(std::size_t bytes) const { return !spaceLeft || bytes <= *spaceLeft; }
  void Store(const std::string& path, const std::string& bytes);

  std::map<std::string, File> files_;
};

}  // namespace tavel::testing
