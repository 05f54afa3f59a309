// Fakes for the list maker's tests.
#include "support/listmaker_fakes.h"

#include "listmaker/playlist.h"
#include "text/path.h"

namespace tavel::testing {

namespace {

struct Character {
  const char* utf8;
  const char* cp932;
};

// Among them the ones whose second byte is a backslash (ソ 83 5C, 表 95 5C) and a half-width kana.
const Character kTable[] = {{u8"ソ", "ソ"}, {u8"表", "表"}, {u8"曲", "曲"}, {u8"集", "集"},
                            {u8"あ", "あ"}, {u8"い", "い"}, {u8"～", "～"}, {u8"ｱ", "ｱ"}};

template <typename Pick>
std::optional<std::string> Convert(const std::string& text, Pick from, Pick to) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      out += text[i++];
      continue;
    }
    const Character* found = nullptr;
    for (const Character& c : kTable) {
      if (text.compare(i, std::string(from(c)).size(), from(c)) == 0) found = &c;
    }
    if (!found) return std::nullopt;
    i += std::string(from(*found)).size();
    out += to(*found);
  }
  return out;
}

const char* Utf8(const Character& c) {
  return c.utf8;
}
const char* Cp932(const Character& c) {
  return c.cp932;
}

bool IsFullPath(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0;
}

// As on Windows, a folder may be named with a trailing backslash.
std::string Unslashed(const std::string& path) {
  const bool trailing = path.size() > 3 && path.back() == '\\';
  return trailing ? path.substr(0, path.size() - 1) : path;
}

}  // namespace

std::optional<std::string> FakeCodec::FromUtf8(const std::string& utf8) {
  return Convert(utf8, Utf8, Cp932);
}

std::optional<std::string> FakeCodec::ToUtf8(const std::string& cp932) {
  return Convert(cp932, Cp932, Utf8);
}

std::string FakeMusicFiles::FullPath(const std::string& path) {
  return IsFullPath(path) ? path : ResolveEntry(current, path);
}

PathKind FakeMusicFiles::KindOf(const std::string& path) {
  if (files_.count(path)) return PathKind::File;
  return folders_.count(Unslashed(path)) ? PathKind::Folder : PathKind::Missing;
}

std::optional<std::vector<FolderEntry>> FakeMusicFiles::ListFolder(const std::string& folder) {
  listed.push_back(folder);
  if (!folders_.count(Unslashed(folder)) || unreadable.count(folder)) return std::nullopt;
  const std::string prefix = JoinPath(folder, "", PathEncoding::Utf8);
  std::vector<FolderEntry> entries;
  auto add = [&](const std::string& path, bool isFolder) {
    if (path.size() > prefix.size() && FolderOf(path, PathEncoding::Utf8) == prefix)
      entries.push_back({path.substr(prefix.size()), isFolder});
  };
  for (const auto& [path, bytes] : files_) add(path, false);
  for (const std::string& path : folders_) add(path, true);
  return entries;
}

std::optional<std::string> FakeMusicFiles::ReadFile(const std::string& path) {
  auto it = files_.find(path);
  if (it == files_.end() || unreadable.count(path)) return std::nullopt;
  return it->second;
}

std::optional<std::string> FakeMusicFiles::ShortName(const std::string& path) {
  auto it = shortNames.find(path);
  if (it == shortNames.end()) return std::nullopt;
  return it->second;
}

void FakeMusicFiles::Put(const std::string& path, const std::string& bytes) {
  files_[path] = bytes;
  PutFolder(path.substr(0, FolderOf(path, PathEncoding::Utf8).size() - 1));
}

void FakeMusicFiles::PutFolder(const std::string& folder) {
  for (std::string f = folder; f.size() > 2;
       f = f.substr(0, FolderOf(f, PathEncoding::Utf8).size() - 1)) {
    folders_.insert(f);
    if (FolderOf(f, PathEncoding::Utf8).empty()) break;
  }
}

}  // namespace tavel::testing
