// The file system service on Windows: directory search, whole-file reads and writes, atomic
// replace, files opened for block copies, folders.
#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include "platform/win32/critical_errors_off.h"
#include "platform/win32/handles.h"

namespace tavel {

namespace {

// '*' and '?' are below every trail byte, so a plain byte test cannot hit half a character.
bool HasWildcard(const std::string& path) {
  return path.find_first_of("*?") != std::string::npos;
}

bool Passes(DWORD attributes, std::uint32_t allowed) {
  return (attributes & kAttrSearchFiltered & ~allowed) == 0;
}

std::optional<DateTime> LocalTime(const FILETIME& utc) {
  FILETIME local;
  SYSTEMTIME st;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st))
    return std::nullopt;
  return DateTime{st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond};
}

bool WriteAll(HANDLE h, const char* bytes, size_t count) {
  size_t done = 0;
  while (done < count) {
    const size_t left = count - done;
    const DWORD chunk = static_cast<DWORD>(left < (1u << 20) ? left : (1u << 20));
    DWORD written = 0;
    if (!::WriteFile(h, bytes + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool WriteAll(HANDLE h, const std::string& bytes) {
  return WriteAll(h, bytes.data(), bytes.size());
}

// Writes a new file of `bytes`, flushed to the disk before it is closed.
bool WriteNewFile(const std::string& path, const std::string& bytes) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  const bool ok = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  return file.Close() && ok;
}

// Systems without MoveFileEx: the complete new file is already on disk before the old one goes.
// When the old one is gone but the move fails, the new content stays under the temporary name.
bool ReplaceByDeleteAndMove(const std::string& temporary, const std::string& path) {
  DeleteFileA(path.c_str());
  if (MoveFileA(temporary.c_str(), path.c_str())) return true;
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileA(temporary.c_str());
  return false;
}

bool IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Puts the complete file `temporary` in the place of `path`; when that fails the temporary file
// goes and the previous file stays. A read-only file is left alone, as Windows does; Wine would
// replace it.
bool MoveIntoPlace(const std::string& temporary, const std::string& path) {
  if (IsReadOnly(path)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  if (MoveFileExA(temporary.c_str(), path.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  if (GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) return ReplaceByDeleteAndMove(temporary, path);
  DeleteFileA(temporary.c_str());
  return false;
}

// A file of the block copy; the handle closes with the object.
class Win32OpenFile : public OpenFile {
 public:
  explicit Win32OpenFile(HANDLE h) : file_(h) {}

  std::optional<std::size_t> Read(char* buffer, std::size_t count) override {
    DWORD got = 0;
    if (!::ReadFile(file_.Get(), buffer, static_cast<DWORD>(count), &got, nullptr))
      return std::nullopt;
    return got;
  }
  bool Write(const char* bytes, std::size_t count) override {
    return WriteAll(file_.Get(), bytes, count);
  }
  std::optional<FileStamp> LastWrite() override {
    FILETIME t;
    if (!GetFileTime(file_.Get(), nullptr, nullptr, &t)) return std::nullopt;
    return (static_cast<FileStamp>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  }
  bool SetLastWrite(FileStamp stamp) override {
    FILETIME t{static_cast<DWORD>(stamp & 0xFFFFFFFFu), static_cast<DWORD>(stamp >> 32)};
    return SetFileTime(file_.Get(), nullptr, nullptr, &t) != 0;
  }

 private:
  FileHandle file_;
};

std::unique_ptr<OpenFile> OpenedOrNull(HANDLE h) {
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OpenFile>(h);
}

}  // namespace

std::optional<FoundFile> Win32FileSystem::FindFile(const std::string& path, std::uint32_t allowed) {
  if (path.empty() || HasWildcard(path)) return std::nullopt;
  WIN32_FIND_DATAA data;
  SearchHandle search(FindFirstFileA(path.c_str(), &data));
  if (!search.Valid()) return std::nullopt;
  do {
    if (!Passes(data.dwFileAttributes, allowed)) continue;
    FoundFile found;
    found.name = data.cFileName;
    found.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    found.lastWrite = LocalTime(data.ftLastWriteTime);
    found.attributes = data.dwFileAttributes & (kAttrSearchFiltered | kAttrReadOnly | kAttrArchive);
    return found;
  } while (FindNextFileA(search.Get(), &data));
  return std::nullopt;
}

FileContent Win32FileSystem::ReadFile(const std::string& path) {
  // The companion program may be writing a list file while the player reads it.
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.Valid()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? ReadStatus::Missing : ReadStatus::Unreadable, {}};
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF)
    return {ReadStatus::Unreadable, {}};
  FileContent content{ReadStatus::Ok, std::string(static_cast<size_t>(size.QuadPart), '\0')};
  size_t done = 0;
  while (done < content.bytes.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(content.bytes.size() - done);
    if (!::ReadFile(file.Get(), &content.bytes[done], want, &got, nullptr))
      return {ReadStatus::Unreadable, {}};
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  content.bytes.resize(done);
  return content;
}

bool Win32FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  const bool ok = WriteAll(file.Get(), bytes);
  return file.Close() && ok;
}

bool Win32FileSystem::ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  if (IsReadOnly(path)) return false;  // before anything is written
  const std::string temporary = path + ".new";
  // One left behind by a crash is overwritten; a hidden or read-only one would refuse that.
  SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!WriteNewFile(temporary, bytes)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  return MoveIntoPlace(temporary, path);
}

bool Win32FileSystem::CreateEmptyFile(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.Valid() && file.Close();
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::unique_ptr<OpenFile> Win32FileSystem::OpenToRead(const std::string& path) {
  return OpenedOrNull(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

std::unique_ptr<OpenFile> Win32FileSystem::CreateToWrite(const std::string& path) {
  // Writing the date needs the write-attributes right, which GENERIC_WRITE includes.
  return OpenedOrNull(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
  return RemoveDirectoryA(path.c_str()) != 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string Win32FileSystem::FullPath(const std::string& path) {
  if (path.empty()) return {};
  std::string full(MAX_PATH, '\0');
  for (;;) {
    DWORD length =
        GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return {};
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length + 1);  // the size it asked for, with its terminating NUL
  }
}

std::string Win32FileSystem::WindowsFolder(int maxChars) {
  std::string folder(static_cast<std::size_t>(maxChars) + 1, '\0');
  UINT length = GetWindowsDirectoryA(folder.data(), static_cast<UINT>(maxChars));
  folder.resize(length <= static_cast<UINT>(maxChars) ? length : 0);
  return folder;
}

bool Win32FileSystem::ReplaceFileWith(const std::string& path, const std::string& replacement) {
  return MoveIntoPlace(replacement, path);
}

bool Win32FileSystem::ClearReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
  return SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) != 0;
}

std::string Win32FileSystem::LongPath(const std::string& path) {
  const std::string full = FullPath(path);
  if (full.empty()) return {};
  std::string longer(full.size() + MAX_PATH, '\0');
  DWORD length = GetLongPathNameA(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  if (length == 0 || length >= longer.size()) return full;  // missing, or longer than expected
  longer.resize(length);
  return longer;
}

// --- Directory search ---

namespace {

// The basic information without short names, fetched in large batches, is much quicker on big
// folders; systems before Windows 7 refuse it, and then the plain search serves.
HANDLE StartSearch(const std::string& pattern, WIN32_FIND_DATAA& data) {
  HANDLE h = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                              nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)
    h = FindFirstFileA(pattern.c_str(), &data);
  return h;
}

bool IsDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

DirectoryListing Win32FileSystem::SearchFolder(const std::string& pattern, std::uint32_t allowed) {
  CriticalErrorsOff quiet;
  DirectoryListing listing;
  WIN32_FIND_DATAA data;
  SearchHandle search(StartSearch(pattern, data));
  if (!search.Valid()) {
    // An existing folder in which nothing matches the mask is an empty listing, not a failure.
    const DWORD error = GetLastError();
    listing.ok = error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
    return listing;
  }
  do {
    if (IsDotEntry(data.cFileName) || !Passes(data.dwFileAttributes, allowed)) continue;
    listing.entries.push_back(
        {data.cFileName,
         data.dwFileAttributes & (kAttrSearchFiltered | kAttrReadOnly | kAttrArchive)});
  } while (FindNextFileA(search.Get(), &data));
  listing.ok = GetLastError() == ERROR_NO_MORE_FILES;
  return listing;
}

}  // namespace tavel
