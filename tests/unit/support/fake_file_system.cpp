// An in-memory file system for tests: files and folders by path, with dates, attributes and
// injectable failures.
#include "support/fake_file_system.h"

#include <algorithm>

#include "text/name_case.h"
#include "text/path.h"
#include "text/sjis.h"

namespace tavel::testing {

// One open file of the fake: reads from the stored bytes, writes append to them.
class FakeOpenFile : public OpenFile {
 public:
  FakeOpenFile(FakeFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
  ~FakeOpenFile() override { fs_.log.push_back("close " + path_); }

  std::optional<std::size_t> Read(char* buffer, std::size_t count) override {
    fs_.log.push_back("block " + path_ + " " + std::to_string(count));
    if (fs_.failReads.count(path_) || !fs_.Has(path_)) return std::nullopt;
    const std::string& bytes = fs_.At(path_).bytes;
    std::size_t n = std::min(count, bytes.size() - std::min(position_, bytes.size()));
    std::copy_n(bytes.data() + position_, n, buffer);
    position_ += n;
    return n;
  }
  bool Write(const char* bytes, std::size_t count) override {
    if (!fs_.Has(path_)) return false;
    std::size_t fits = fs_.spaceLeft ? std::min(count, *fs_.spaceLeft) : count;
    fs_.At(path_).bytes.append(bytes, fits);
    if (fs_.spaceLeft) *fs_.spaceLeft -= fits;
    return fits == count;
  }
  std::optional<FileStamp> LastWrite() override {
    if (!fs_.Has(path_)) return std::nullopt;
    return fs_.At(path_).stamp;
  }
  bool SetLastWrite(FileStamp stamp) override {
    fs_.log.push_back("stamp " + path_);
    if (!fs_.Has(path_)) return false;
    fs_.At(path_).stamp = stamp;
    return true;
  }

 private:
  FakeFileSystem& fs_;
  std::string path_;
  std::size_t position_ = 0;
};

namespace {

// The folder a file or folder lies in (C:\ for C:\KoLAPP32); empty for a drive root.
std::string ParentFolder(const std::string& path) {
  std::string folder = WithoutBackslash(path);
  std::size_t cut = LastSeparatorIndex(folder, "\\");
  if (cut == std::string::npos || folder.size() <= 3) return {};
  return cut == 2 ? folder.substr(0, 3) : folder.substr(0, cut);
}

}  // namespace

std::optional<FoundFile> FakeFileSystem::FindFile(const std::string& path, std::uint32_t allowed) {
  log.push_back("find " + path);
  auto it = files_.find(path);
  if (it == files_.end() || path.find_first_of("*?") != std::string::npos) return std::nullopt;
  const File& file = it->second;
  if ((file.attributes & kAttrSearchFiltered & ~allowed) != 0) return std::nullopt;
  return FoundFile{DisplayName(path), file.size.value_or(file.bytes.size()), file.lastWrite,
                   file.attributes};
}

FileContent FakeFileSystem::ReadFile(const std::string& path) {
  log.push_back("read " + path);
  auto it = files_.find(path);
  if (it == files_.end()) return {ReadStatus::Missing, {}};
  if (unreadable.count(path) || (it->second.attributes & kAttrDirectory))
    return {ReadStatus::Unreadable, {}};
  return {ReadStatus::Ok, it->second.bytes};
}

bool FakeFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  log.push_back("write " + path);
  auto it = files_.find(path);
  if (failWrites.count(path)) return false;
  if (it != files_.end() && (it->second.attributes & (kAttrDirectory | kAttrReadOnly)))
    return false;
  if (!Fits(bytes.size())) {
    Store(path, bytes.substr(0, *spaceLeft));  // truncated, then the disk ran full
    return false;
  }
  Store(path, bytes);
  return true;
}

bool FakeFileSystem::ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  log.push_back("replace " + path);
  auto it = files_.find(path);
  if (failWrites.count(path) || !Fits(bytes.size())) return false;
  if (it != files_.end() && (it->second.attributes & (kAttrDirectory | kAttrReadOnly)))
    return false;
  Store(path, bytes);
  return true;
}

bool FakeFileSystem::CreateEmptyFile(const std::string& path) {
  log.push_back("create " + path);
  if (files_.count(path) || failWrites.count(path)) return false;
  Store(path, "");
  return true;
}

bool FakeFileSystem::RemoveFile(const std::string& path) {
  log.push_back("remove " + path);
  auto it = files_.find(path);
  if (it == files_.end() || (it->second.attributes & (kAttrDirectory | kAttrReadOnly)) ||
      inUse.count(path)) {
    return false;
  }
  files_.erase(it);
  return true;
}

bool FakeFileSystem::FileExists(const std::string& path) {
  log.push_back("exists " + path);
  auto it = files_.find(path);
  return it != files_.end() && !(it->second.attributes & kAttrDirectory);
}

std::unique_ptr<OpenFile> FakeFileSystem::OpenToRead(const std::string& path) {
  log.push_back("open " + path);
  auto it = files_.find(path);
  if (it == files_.end() || unreadable.count(path) || (it->second.attributes & kAttrDirectory))
    return nullptr;
  return std::make_unique<FakeOpenFile>(*this, path);
}

std::unique_ptr<OpenFile> FakeFileSystem::CreateToWrite(const std::string& path) {
  log.push_back("truncate " + path);
  auto it = files_.find(path);
  if (failWrites.count(path) || !FolderExists(ParentFolder(path))) return nullptr;
  if (it != files_.end() && (it->second.attributes & (kAttrDirectory | kAttrReadOnly)))
    return nullptr;
  Store(path, "");
  return std::make_unique<FakeOpenFile>(*this, path);
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
  log.push_back("mkdir " + path);
  if (files_.count(path) || failFolders.count(path) || !FolderExists(ParentFolder(path)))
    return false;
  PutFolder(path);
  return true;
}

bool FakeFileSystem::RemoveFolder(const std::string& path) {
  log.push_back("rmdir " + path);
  if (!FolderExists(path) || failFolders.count(path)) return false;
  const std::string inside = WithBackslash(path);
  for (const auto& entry : files_) {
    if (entry.first != path && entry.first.rfind(inside, 0) == 0) return false;
  }
  files_.erase(path);
  return true;
}

bool FakeFileSystem::FolderExists(const std::string& path) {
  auto it = files_.find(path);
  return it != files_.end() && (it->second.attributes & kAttrDirectory);
}

std::string FakeFileSystem::FullPath(const std::string& path) {
  if (path.empty()) return {};
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return path;
  return currentFolder + path;
}

std::string FakeFileSystem::WindowsFolder(int maxChars) {
  return windowsFolder.size() <= static_cast<std::size_t>(maxChars) ? windowsFolder : "";
}

bool FakeFileSystem::ReplaceFileWith(const std::string& path, const std::string& replacement) {
  log.push_back("move " + replacement + " " + path);
  auto from = files_.find(replacement);
  if (from == files_.end()) return false;
  auto to = files_.find(path);
  if (failWrites.count(path) ||
      (to != files_.end() && (to->second.attributes & (kAttrDirectory | kAttrReadOnly)))) {
    files_.erase(from);
    return false;
  }
  File moved = from->second;
  files_.erase(from);
  files_[path] = moved;
  return true;
}

bool FakeFileSystem::ClearReadOnly(const std::string& path) {
  log.push_back("unprotect " + path);
  auto it = files_.find(path);
  if (it == files_.end()) return false;
  it->second.attributes &= ~kAttrReadOnly;
  return true;
}

std::string FakeFileSystem::LongPath(const std::string& path) {
  std::string full = FullPath(path);
  for (const auto& [shortName, longName] : longNames) {
    if (LowerAscii(full).rfind(LowerAscii(shortName), 0) == 0 &&
        (full.size() == shortName.size() || full[shortName.size()] == '\\'))
      full = longName + full.substr(shortName.size());
  }
  return full;
}

FakeFileSystem::File& FakeFileSystem::Put(const std::string& path, const std::string& bytes) {
  File& file = files_[path];
  file = File{};
  file.bytes = bytes;
  return file;
}

void FakeFileSystem::PutFolder(const std::string& path) {
  Put(path).attributes = kAttrDirectory;
}

std::string FakeFileSystem::Content(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? "<missing>" : it->second.bytes;
}

std::vector<std::string> FakeFileSystem::Paths() const {
  std::vector<std::string> paths;
  for (const auto& entry : files_) paths.push_back(entry.first);
  return paths;
}

void FakeFileSystem::Store(const std::string& path, const std::string& bytes) {
  File& file = files_[path];
  file.bytes = bytes;
  file.size.reset();
  file.attributes = kAttrArchive;
  if (spaceLeft) *spaceLeft -= bytes.size();
}

}  // namespace tavel::testing
