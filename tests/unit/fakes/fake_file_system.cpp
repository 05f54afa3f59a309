// An in-memory file system for tests: files and folders by path, with dates, attributes and
// injectable failures.
#include "fakes/fake_file_system.h"

#include "text/path.h"

namespace tavel::testing {

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

bool FakeFileSystem::FileExists(const std::string& path) {
  log.push_back("exists " + path);
  auto it = files_.find(path);
  return it != files_.end() && !(it->second.attributes & kAttrDirectory);
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
