// The file system service: finding a file with its size, date and attributes, whole-file reads
// and writes (including a replace that never leaves a file half written), files opened for copying
// in blocks, folders and the Windows folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/date_time.h"

namespace tavel {

// Attribute bits of a found file (the values Windows uses).
enum FileAttribute : std::uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrVolume = 0x08,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
};

// Hidden, system, volume-label and folder entries are found only when the search asks for them;
// read-only and archive files and plain files always are.
inline constexpr std::uint32_t kAttrSearchFiltered =
    kAttrHidden | kAttrSystem | kAttrVolume | kAttrDirectory;

// The files the player looks at: read-only, hidden, system and archive, but no folders or volumes.
inline constexpr std::uint32_t kAttrAnyFile =
    kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

struct FoundFile {
  std::string name;                   // the name as stored, without its folder
  std::uint64_t size = 0;             // bytes
  std::optional<DateTime> lastWrite;  // local time; nothing when it cannot be converted
  std::uint32_t attributes = 0;       // FileAttribute bits
};

// One entry of a folder as a directory search finds it.
struct DirectoryEntry {
  std::string name;              // the name as stored, without its folder
  std::uint32_t attributes = 0;  // FileAttribute bits
};

struct DirectoryListing {
  // False when the folder could not be searched (missing, not readable, drive without medium);
  // a folder without matching entries is a success with no entries.
  bool ok = false;
  std::vector<DirectoryEntry> entries;  // in the order the system gives them
};

enum class ReadStatus { Ok, Missing, Unreadable };

struct FileContent {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;  // the whole file when status is Ok
};

// The moment of a file's last write exactly as the file system keeps it (100-nanosecond steps since
// 1601, UTC): copied from one file to another unchanged, never shown.
using FileStamp = std::uint64_t;

// A file opened for one use, by the installer's block copy; destroying it closes it.
class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // Reads up to `count` bytes; the number read (0 at the end), or nothing when reading failed.
  virtual std::optional<std::size_t> Read(char* buffer, std::size_t count) = 0;
  // Writes all `count` bytes; false when not all of them could be written.
  virtual bool Write(const char* bytes, std::size_t count) = 0;
  virtual std::optional<FileStamp> LastWrite() = 0;
  virtual bool SetLastWrite(FileStamp stamp) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The entry of exactly this name when its attributes pass the filter `allowed` (see
  // kAttrSearchFiltered); nothing otherwise. Wildcards name no file.
  virtual std::optional<FoundFile> FindFile(const std::string& path, std::uint32_t allowed) = 0;
  // The whole file. Another program may have it open for writing meanwhile.
  virtual FileContent ReadFile(const std::string& path) = 0;
  // Creates or truncates the file and writes `bytes`; a failure may leave it partly written.
  virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
  // Writes `bytes` beside the file and puts them in its place in one step: on any failure the
  // previous file stays as it was.
  virtual bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) = 0;
  // Creates an empty file where nothing of that name exists; false when something does.
  virtual bool CreateEmptyFile(const std::string& path) = 0;
  // Deletes a file; false when it is missing, a folder, read-only, or in use by a running
  // program.
  virtual bool RemoveFile(const std::string& path) = 0;
  // True when a file (not a folder) of this name exists.
  virtual bool FileExists(const std::string& path) = 0;

  // Copying in blocks, folders and the Windows folder (the installer and the uninstaller).
  // Opens an existing file for reading; others may read it meanwhile but not write it. Null when
  // it cannot be opened.
  virtual std::unique_ptr<OpenFile> OpenToRead(const std::string& path) = 0;
  // Creates the file, or empties an existing one, for writing. Null when that fails.
  virtual std::unique_ptr<OpenFile> CreateToWrite(const std::string& path) = 0;
  // Creates one folder (its parent must exist); false when that fails.
  virtual bool CreateFolder(const std::string& path) = 0;
  // Removes one empty folder; false when it is not empty or cannot be removed.
  virtual bool RemoveFolder(const std::string& path) = 0;
  // True when a folder (or a drive root that can be read) of this name exists.
  virtual bool FolderExists(const std::string& path) = 0;
  // The full path of a path given relative to the current folder (an absolute path comes back
  // as it is); empty when it cannot be expanded.
  virtual std::string FullPath(const std::string& path) = 0;
  // The Windows folder as the system names it (C:\WINDOWS), read into a buffer of `maxChars`.
  virtual std::string WindowsFolder(int maxChars) = 0;

  // --- Directory search ---
  // Every entry that `pattern` (a folder, a backslash and a mask with * and ?, such as
  // c:\windows\*.*) matches and whose attributes pass the filter `allowed` (see
  // kAttrSearchFiltered): the whole find first, next and close, with the system's critical-error
  // boxes off. "." and ".." are never returned.
  virtual DirectoryListing SearchFolder(const std::string& pattern, std::uint32_t allowed) = 0;

  // --- Putting the program in place and taking it away ---
  // Puts the complete file `replacement` in the place of `path` in one step, replacing a file of
  // that name unless it is read-only. False when that fails: the file at `path` stays as it was
  // and `replacement` is removed.
  virtual bool ReplaceFileWith(const std::string& path, const std::string& replacement) = 0;
  // Clears the read-only attribute of a file; false when it cannot be changed.
  virtual bool ClearReadOnly(const std::string& path) = 0;
  // The full path with every short name (KOLAPP~1) in its long form; as far as the path does not
  // exist it keeps its full form. Empty when it cannot be expanded.
  virtual std::string LongPath(const std::string& path) = 0;
};

}  // namespace tavel
