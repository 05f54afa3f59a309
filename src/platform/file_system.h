// The file system service: finding a file with its size, date and attributes, and whole-file reads
// and writes, including a replace that never leaves a file half written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/clock.h"

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

enum class ReadStatus { Ok, Missing, Unreadable };

struct FileContent {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;  // the whole file when status is Ok
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
  // True when a file (not a folder) of this name exists.
  virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace tavel
