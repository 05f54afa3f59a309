// The list maker's reading of folders, music files and playlists on Windows.
#include "listmaker/win32/win32_music_files.h"

#include <windows.h>

#include "listmaker/win32/wide_text.h"
#include "platform/win32/handles.h"
#include "text/path.h"

namespace tavel {

std::string Win32MusicFiles::FullPath(const std::string& path) {
  const std::wstring wide = WideOf(path);
  const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length == 0) return path;
  std::wstring full(length, L'\0');
  const DWORD written = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
  if (written == 0 || written >= length) return path;
  full.resize(written);
  return Utf8Of(full);
}

PathKind Win32MusicFiles::KindOf(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideOf(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

std::optional<std::vector<FolderEntry>> Win32MusicFiles::ListFolder(const std::string& folder) {
  WIN32_FIND_DATAW data;
  SearchHandle search(
      FindFirstFileW(WideOf(JoinPath(folder, "*", PathEncoding::Utf8)).c_str(), &data));
  if (!search.Valid()) return std::nullopt;
  std::vector<FolderEntry> entries;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back({Utf8Of(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search.Get(), &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  return entries;
}

std::optional<std::string> Win32MusicFiles::ReadFile(const std::string& path) {
  FileHandle file(CreateFileW(WideOf(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.Valid()) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  // A playlist is small; a limit keeps a huge file named by mistake from filling the memory.
  while ((ok = ::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) {
    bytes.append(buffer, got);
    if (bytes.size() > (64u << 20)) {
      ok = false;
      break;
    }
  }
  if (!ok) return std::nullopt;
  return bytes;
}

// A volume without short names gives the long name back; the caller finds it no better.
std::optional<std::string> Win32MusicFiles::ShortName(const std::string& path) {
  const std::wstring wide = WideOf(path);
  const DWORD length = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring shortPath(length, L'\0');
  const DWORD written = GetShortPathNameW(wide.c_str(), shortPath.data(), length);
  if (written == 0 || written >= length) return std::nullopt;
  shortPath.resize(written);
  const std::size_t separator = shortPath.find_last_of(L"\\/");
  return Utf8Of(separator == std::wstring::npos ? shortPath : shortPath.substr(separator + 1));
}

}  // namespace tavel
