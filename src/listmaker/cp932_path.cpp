// A path in code page 932: names as they are, or by the volume's short names.
#include "listmaker/cp932_path.h"

#include <vector>

namespace tavel {

namespace {

// UTF-8 never has the byte of a backslash inside a character, so the names split at each one.
std::vector<std::string> Names(const std::string& path) {
  std::vector<std::string> names;
  std::size_t start = 0;
  for (std::size_t at; (at = path.find('\\', start)) != std::string::npos; start = at + 1) {
    names.push_back(path.substr(start, at - start));
  }
  names.push_back(path.substr(start));
  return names;
}

// The drive ("C:") or, for a network path ("\\server\share\..."), the two empty names before
// the server and the server and share themselves.
std::size_t RootNames(const std::string& path) {
  return path.rfind("\\\\", 0) == 0 ? 4 : 1;
}

}  // namespace

std::optional<Cp932Path> Cp932NameOf(const std::string& utf8Path, const std::string& name,
                                     MusicFiles& files, Cp932Codec& codec) {
  if (std::optional<std::string> asItIs = codec.FromUtf8(name)) return Cp932Path{*asItIs, false};
  std::optional<std::string> shortName = files.ShortName(utf8Path);
  if (!shortName) return std::nullopt;
  std::optional<std::string> cp932 = codec.FromUtf8(*shortName);
  if (!cp932) return std::nullopt;
  return Cp932Path{*cp932, true};
}

std::optional<Cp932Path> Cp932PathOf(const std::string& utf8Path, MusicFiles& files,
                                     Cp932Codec& codec) {
  if (std::optional<std::string> whole = codec.FromUtf8(utf8Path)) return Cp932Path{*whole, false};
  const std::vector<std::string> names = Names(utf8Path);
  const std::size_t root = RootNames(utf8Path);
  Cp932Path result;
  std::string longPath;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) {
      longPath += '\\';
      result.path += '\\';
    }
    longPath += names[i];
    if (i < root) {
      std::optional<std::string> rootName = codec.FromUtf8(names[i]);
      if (!rootName) return std::nullopt;
      result.path += *rootName;
      continue;
    }
    std::optional<Cp932Path> name = Cp932NameOf(longPath, names[i], files, codec);
    if (!name) return std::nullopt;
    result.path += name->path;
    result.shortened = result.shortened || name->shortened;
  }
  return result;
}

}  // namespace tavel
