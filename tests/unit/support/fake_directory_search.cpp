// The directory search of the in-memory file system: entries of a folder by mask, with the folders
// that only hold other entries, and folders that cannot be searched.
#include <map>

#include "support/fake_file_system.h"
#include "text/name_case.h"
#include "text/path.h"
#include "text/sjis.h"

namespace tavel::testing {

namespace {

// A mask with * and ?, matched ignoring ASCII case; "*.*" matches names without a dot too.
bool Matches(const std::string& name, const std::string& mask) {
  if (mask == "*.*" || mask == "*") return true;
  if (mask.empty()) return name.empty();
  if (mask[0] == '*') {
    for (std::size_t i = 0; i <= name.size(); ++i) {
      if (Matches(name.substr(i), mask.substr(1))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  if (mask[0] != '?' && LowerAscii(mask.substr(0, 1)) != LowerAscii(name.substr(0, 1)))
    return false;
  return Matches(name.substr(1), mask.substr(1));
}

// The first piece of a relative path up to its first real backslash, and whether more follows.
std::pair<std::string, bool> FirstPiece(const std::string& rest) {
  for (std::size_t i = 0; i < rest.size(); i = NextCharIndex(rest, i)) {
    if (rest[i] == '\\') return {rest.substr(0, i), true};
  }
  return {rest, false};
}

bool IsDriveRoot(const std::string& folder) {
  return folder.size() == 3 && folder[1] == ':' && folder[2] == '\\';
}

}  // namespace

bool FakeFileSystem::HasFolder(const std::string& folder) const {
  if (IsDriveRoot(folder)) return true;
  const std::string lower = LowerAscii(WithoutBackslash(folder));
  const std::string inside = WithBackslash(lower);
  for (const auto& entry : files_) {
    const std::string path = LowerAscii(entry.first);
    if (path == lower && (entry.second.attributes & kAttrDirectory)) return true;
    if (path.compare(0, inside.size(), inside) == 0) return true;
  }
  return false;
}

DirectoryListing FakeFileSystem::SearchFolder(const std::string& pattern, std::uint32_t allowed) {
  log.push_back("search " + pattern);
  const std::string mask = DisplayName(pattern);
  const std::string folder = pattern.substr(0, pattern.size() - mask.size());
  DirectoryListing listing;
  if (!HasFolder(folder) || unlistable.count(LowerAscii(WithoutBackslash(folder)))) return listing;
  listing.ok = true;
  const std::string inside = LowerAscii(WithBackslash(folder));
  std::map<std::string, DirectoryEntry> found;  // by lower-case name: one entry per name
  for (const auto& entry : files_) {
    if (LowerAscii(entry.first).compare(0, inside.size(), inside) != 0) continue;
    auto [name, deeper] = FirstPiece(entry.first.substr(inside.size()));
    if (name.empty() || !Matches(name, mask)) continue;
    const std::uint32_t attributes = deeper ? kAttrDirectory : entry.second.attributes;
    if ((attributes & kAttrSearchFiltered & ~allowed) != 0) continue;
    found.emplace(LowerAscii(name), DirectoryEntry{name, attributes});
  }
  for (auto& entry : found) listing.entries.push_back(std::move(entry.second));
  return listing;
}

}  // namespace tavel::testing
