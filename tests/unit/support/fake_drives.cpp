// In-memory drives for tests: drives of every kind with labels and network names, drives without a
// medium, folders that cannot be entered, and the folder kept current on each drive.
#include "support/fake_drives.h"

#include "text/name_case.h"
#include "text/path.h"

namespace tavel::testing {

namespace {

char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

FakeDrives::Drive& FakeDrives::Add(char letter, DriveKind kind, const std::string& label) {
  Drive& drive = drives_[Upper(letter)];
  drive = Drive{};
  drive.kind = kind;
  drive.label = label;
  return drive;
}

FakeDrives::Drive* FakeDrives::Find(char letter) {
  auto it = drives_.find(Upper(letter));
  return it == drives_.end() ? nullptr : &it->second;
}

DriveKind FakeDrives::Kind(const std::string& root) {
  Drive* drive = root.size() == 3 && root.substr(1) == ":\\" ? Find(root[0]) : nullptr;
  return drive ? drive->kind : DriveKind::NoRootFolder;
}

std::optional<std::string> FakeDrives::VolumeLabel(const std::string& root) {
  Drive* drive = root.empty() ? nullptr : Find(root[0]);
  if (!drive) return std::nullopt;
  return drive->label;
}

std::optional<std::string> FakeDrives::NetworkName(const std::string& drive) {
  Drive* d = drive.empty() ? nullptr : Find(drive[0]);
  if (!d || d->kind != DriveKind::Remote) return std::nullopt;
  return d->networkName;
}

bool FakeDrives::HasMedium(const std::string& root) {
  Drive* drive = root.empty() ? nullptr : Find(root[0]);
  return drive && drive->hasMedium;
}

bool FakeDrives::EnterFolder(const std::string& folder) {
  Drive* drive = folder.size() >= 3 && folder[1] == ':' ? Find(folder[0]) : nullptr;
  const bool ok = drive && drive->hasMedium && files_.HasFolder(folder) &&
                  !unenterable.count(LowerAscii(WithoutBackslash(folder)));
  entered.push_back((ok ? "+" : "-") + folder);
  if (!ok) return false;
  current = folder;
  drive->currentFolder = folder.size() > 3 ? folder : "";
  if (onEnter) onEnter(folder);
  return true;
}

std::string FakeDrives::CurrentFolderOf(char letter) {
  Drive* drive = Find(letter);
  if (drive && !drive->currentFolder.empty()) return drive->currentFolder;
  return std::string(1, letter) + ":\\";
}

}  // namespace tavel::testing
