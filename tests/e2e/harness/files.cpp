// Files and folders of the test sandbox, as raw bytes.
#include "files.h"

#include <windows.h>

namespace tavel::e2e {

namespace {

// The folder part of a path (up to its last backslash), walking Shift-JIS characters whole.
std::string ParentOf(const std::string& path) {
  std::string::size_type cut = std::string::npos;
  for (std::string::size_type i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByteEx(932, static_cast<BYTE>(path[i]))) {
      ++i;
    } else if (path[i] == '\\' && i + 1 < path.size()) {
      cut = i;
    }
  }
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

bool IsFolder(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool MakeFolders(const std::string& folder) {
  if (folder.empty() || IsFolder(folder)) return true;
  std::string parent = ParentOf(folder);
  if (!parent.empty() && parent.size() > 2) MakeFolders(parent);
  CreateDirectoryA(folder.c_str(), nullptr);
  return IsFolder(folder);
}

bool RemoveFolder(const std::string& folder) {
  if (!IsFolder(folder)) return true;
  std::string base = folder.back() == '\\' ? folder : folder + '\\';
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((base + "*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = base + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(h, &found));
    FindClose(h);
  }
  RemoveDirectoryA(base.c_str());
  return !IsFolder(folder);
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  return ok && written == bytes.size();
}

std::optional<std::string> ReadBytes(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(h);
  return bytes;
}

bool FileExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace tavel::e2e
