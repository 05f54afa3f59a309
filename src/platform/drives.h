// The drive service: the kind of each drive letter, volume labels and network names, whether a
// medium is in a drive, entering a folder, and the folder the system keeps current on each drive.
#pragma once

#include <optional>
#include <string>

namespace tavel {

// The kinds of drive the system reports (the values of GetDriveType).
enum class DriveKind : int {
  Unknown = 0,
  NoRootFolder = 1,  // the letter names no drive
  Removable = 2,     // floppy disk
  Fixed = 3,
  Remote = 4,  // network drive
  CdRom = 5,
  RamDisk = 6,
};

// Every question that may touch a drive without a medium is asked with the system's
// critical-error boxes switched off, so an empty floppy or CD-ROM drive never shows the system's
// own retry question; the previous error mode is put back afterwards.
class Drives {
 public:
  virtual ~Drives() = default;
  // The kind of drive whose root is given ("c:\").
  virtual DriveKind Kind(const std::string& root) = 0;
  // The volume label of the drive whose root is given; nothing when it cannot be read.
  virtual std::optional<std::string> VolumeLabel(const std::string& root) = 0;
  // The remote name a network drive ("C:") is connected to; nothing when it is not connected.
  virtual std::optional<std::string> NetworkName(const std::string& drive) = 0;
  // True when the total size of the drive whose root is given can be read: a medium is in it.
  virtual bool HasMedium(const std::string& root) = 0;
  // Makes the folder the process's current folder; false when it cannot be entered.
  virtual bool EnterFolder(const std::string& folder) = 0;
  // The folder the system keeps current on drive `letter` (what "c:" expands to as a full path).
  virtual std::string CurrentFolderOf(char letter) = 0;
};

}  // namespace tavel
