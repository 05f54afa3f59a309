// Choosing the entries of a list, each one kept only when the player can play it.
#include "listmaker/selection.h"

#include <algorithm>

#include "listmaker/cp932_path.h"
#include "listmaker/natural_order.h"
#include "listmaker/playlist.h"
#include "lists/playable.h"
#include "text/path.h"

namespace tavel {

namespace {

// The extension test on a UTF-8 path or name: a dot is a character of its own in UTF-8, and
// FileTypeKey needs nothing but the extension.
bool IsMusicName(const std::string& utf8Path, const std::vector<std::string>& types) {
  const std::string name = utf8Path.substr(FolderOf(utf8Path, PathEncoding::Utf8).size());
  const std::size_t dot = name.rfind('.');
  return IsPlayableType(dot == std::string::npos ? "" : name.substr(dot), types);
}

// The ANSI file functions take paths of up to MAX_PATH (260) bytes with the terminating zero; the
// player's look-up of a file's size and date, which also proves that it exists, fails on longer
// ones (Windows refuses them, error 206) and the player then skips the entry.
constexpr std::size_t kAnsiPathLimit = 259;

// The player plays a path only when its file functions take it and it fits its MCI open command.
bool PlayerTakes(const std::string& cp932Path) {
  return cp932Path.size() <= kAnsiPathLimit && OpenCommand(cp932Path).has_value();
}

// A line that is not code page 932 text, shown with its other bytes as '?'.
std::string Printable(const std::string& bytes) {
  std::string shown = bytes;
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) >= 0x80) c = '?';
  }
  return shown;
}

struct Named {
  std::string name;  // code page 932
  std::string utf8Path;
  bool shortened;  // the name, or its folder's path, is the volume's short name
};

class Selector {
 public:
  Selector(bool subfolders, MusicFiles& files, Cp932Codec& codec,
           const std::vector<std::string>& types)
      : subfolders_(subfolders), files_(files), codec_(codec), types_(types) {}

  void AddInput(const std::string& path) {
    switch (files_.KindOf(path)) {
      case PathKind::Missing:
        return Refuse(path, Refusal::Missing);
      case PathKind::Folder:
        return AddFolder(path);
      case PathKind::File:
        return IsPlaylist(path) ? AddPlaylist(path) : AddFile(path, true);
    }
  }

  Selection Result() { return std::move(selection_); }

 private:
  void Refuse(const std::string& path, Refusal reason) {
    selection_.refused.push_back({path, reason});
  }

  // The checks in the order a user can act on them; `known` when the file is known to exist.
  void AddFile(const std::string& path, bool known) {
    if (!IsMusicName(path, types_)) return Refuse(path, Refusal::UnknownType);
    std::optional<Cp932Path> cp932 = Cp932PathOf(path, files_, codec_);
    if (!cp932) return Refuse(path, Refusal::NotCp932);
    if (!PlayerTakes(cp932->path)) return Refuse(path, Refusal::TooLong);
    if (!known) {
      const PathKind kind = files_.KindOf(path);
      if (kind != PathKind::File)
        return Refuse(path, kind == PathKind::Missing ? Refusal::Missing : Refusal::NotAFile);
    }
    Add(path, std::move(cp932->path), cp932->shortened);
  }

  void Add(const std::string& utf8Path, std::string cp932Path, bool shortened) {
    if (shortened)
      selection_.shortened.push_back({utf8Path, codec_.ToUtf8(cp932Path).value_or("")});
    selection_.entries.push_back(std::move(cp932Path));
  }

  void AddPlaylist(const std::string& path) {
    std::optional<std::string> bytes = files_.ReadFile(path);
    if (!bytes) return Refuse(path, Refusal::Unreadable);
    const bool utf8 = IsUtf8Playlist(path, *bytes);
    const std::string folder = FolderOf(path, PathEncoding::Utf8);
    for (const std::string& entry : PlaylistEntries(*bytes)) {
      std::optional<std::string> text = utf8 ? entry : codec_.ToUtf8(entry);
      if (!text) {
        Refuse(Printable(entry), Refusal::BadPlaylistText);
      } else if (IsAddress(*text)) {
        Refuse(*text, Refusal::NotAFile);
      } else {
        AddFile(ResolveEntry(folder, *text), false);
      }
    }
  }

  void AddFolder(const std::string& folder) {
    std::optional<Cp932Path> cp932Folder = Cp932PathOf(folder, files_, codec_);
    if (!cp932Folder) return Refuse(folder, Refusal::NotCp932);
    // Every file below a folder this long would be refused as too long: say it once, and never
    // follow a loop of linked folders further than this.
    const std::string cp932Prefix = WithBackslash(cp932Folder->path);
    if (!PlayerTakes(cp932Prefix)) return Refuse(folder, Refusal::TooLong);
    std::optional<std::vector<FolderEntry>> listed = files_.ListFolder(folder);
    if (!listed) return Refuse(folder, Refusal::Unreadable);
    std::vector<Named> music, folders;
    for (const FolderEntry& entry : *listed) {
      const std::string path = JoinPath(folder, entry.name, PathEncoding::Utf8);
      if (!entry.folder && !IsMusicName(entry.name, types_)) continue;
      if (entry.folder && !subfolders_) continue;
      std::optional<Cp932Path> name = Cp932NameOf(path, entry.name, files_, codec_);
      if (!name) {
        Refuse(path, Refusal::NotCp932);
        continue;
      }
      const bool shortened = cp932Folder->shortened || name->shortened;
      (entry.folder ? folders : music).push_back({std::move(name->path), path, shortened});
    }
    AddSorted(cp932Prefix, music);
    for (const Named& sub : Sorted(folders)) AddFolder(sub.utf8Path);
  }

  void AddSorted(const std::string& cp932Folder, std::vector<Named>& music) {
    for (const Named& file : Sorted(music)) {
      std::string path = cp932Folder + file.name;
      if (!PlayerTakes(path)) {
        Refuse(file.utf8Path, Refusal::TooLong);
        continue;
      }
      Add(file.utf8Path, std::move(path), file.shortened);
    }
  }

  static std::vector<Named>& Sorted(std::vector<Named>& named) {
    std::sort(named.begin(), named.end(),
              [](const Named& a, const Named& b) { return NaturalLess(a.name, b.name); });
    return named;
  }

  bool subfolders_;
  MusicFiles& files_;
  Cp932Codec& codec_;
  std::vector<std::string> types_;
  Selection selection_;
};

}  // namespace

Selection SelectEntries(const std::vector<std::string>& inputs, bool subfolders, MusicFiles& files,
                        Cp932Codec& codec, const std::vector<std::string>& types) {
  Selector selector(subfolders, files, codec, types);
  for (const std::string& input : inputs) selector.AddInput(input);
  return selector.Result();
}

}  // namespace tavel
