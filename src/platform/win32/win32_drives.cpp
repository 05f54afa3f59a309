// The drive service on Windows.
#include "platform/win32/win32_drives.h"

#include <windows.h>
// The network functions need the definitions of windows.h first.
#include <winnetwk.h>

#include "platform/win32/critical_errors_off.h"

namespace tavel {

namespace {

// The size of the name buffers the browser has always used: a path and its terminating NUL.
constexpr DWORD kNameBuffer = 261;

}  // namespace

DriveKind Win32Drives::Kind(const std::string& root) {
  const UINT kind = GetDriveTypeA(root.c_str());
  return kind <= DRIVE_RAMDISK ? static_cast<DriveKind>(kind) : DriveKind::Unknown;
}

std::optional<std::string> Win32Drives::VolumeLabel(const std::string& root) {
  CriticalErrorsOff quiet;
  char name[kNameBuffer] = {};
  if (!GetVolumeInformationA(root.c_str(), name, kNameBuffer, nullptr, nullptr, nullptr, nullptr,
                             0))
    return std::nullopt;
  return std::string(name);
}

std::optional<std::string> Win32Drives::NetworkName(const std::string& drive) {
  char remote[kNameBuffer] = {};
  DWORD size = kNameBuffer;
  if (WNetGetConnectionA(drive.c_str(), remote, &size) != NO_ERROR) return std::nullopt;
  return std::string(remote);
}

bool Win32Drives::HasMedium(const std::string& root) {
  CriticalErrorsOff quiet;
  DWORD sectors = 0, bytes = 0, freeClusters = 0, clusters = 0;
  return GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &clusters) != 0;
}

bool Win32Drives::EnterFolder(const std::string& folder) {
  CriticalErrorsOff quiet;
  return SetCurrentDirectoryA(folder.c_str()) != 0;
}

std::string Win32Drives::CurrentFolderOf(char letter) {
  const char drive[3] = {letter, ':', '\0'};
  char path[MAX_PATH + 1] = {};
  char* name = nullptr;
  CriticalErrorsOff quiet;
  const DWORD length = GetFullPathNameA(drive, sizeof path, path, &name);
  if (length == 0 || length >= sizeof path) return std::string(drive) + "\\";
  return std::string(path, length);
}

}  // namespace tavel
