// Path text in Shift-JIS: trailing backslashes, folders, names, joins and the chain of parent
// folders.
#include "text/path.h"

#include "text/sjis.h"

namespace tavel {

namespace {
constexpr char kBackslash = '\\';
}  // namespace

bool EndsWithBackslash(const std::string& path) {
  if (path.empty() || path.back() != kBackslash) return false;
  // The run before a real backslash starts on a character boundary and holds whole characters.
  return LeadByteRunBefore(path, path.size() - 1) % 2 == 0;
}

std::string WithBackslash(const std::string& path) {
  if (path.empty() || EndsWithBackslash(path)) return path;
  return path + kBackslash;
}

std::string WithoutBackslash(const std::string& path) {
  if (path.size() <= 3 || !EndsWithBackslash(path)) return path;
  return path.substr(0, path.size() - 1);
}

std::string FolderOf(const std::string& path, PathEncoding encoding) {
  const std::size_t separator =
      encoding == PathEncoding::Utf8 ? path.rfind(kBackslash) : LastSeparatorIndex(path, "\\");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string DisplayName(const std::string& path) {
  const std::size_t separator = LastSeparatorIndex(path, "\\:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name, PathEncoding encoding) {
  if (encoding == PathEncoding::ShiftJis) return WithBackslash(folder) + name;
  const bool joined = folder.empty() || folder.back() == kBackslash;
  return joined ? folder + name : folder + kBackslash + name;
}

std::vector<std::string> PathComponents(const std::string& folder) {
  std::vector<std::string> components;
  std::size_t start = 0;
  for (std::size_t i = 0; i < folder.size(); i = NextCharIndex(folder, i)) {
    if (folder[i] != kBackslash) continue;
    components.push_back(folder.substr(start, i + 1 - start));
    start = i + 1;
  }
  return components;
}

std::vector<std::string> PathPrefixes(const std::string& folder) {
  std::vector<std::string> prefixes;
  std::string running;
  for (const std::string& component : PathComponents(folder)) {
    running += component;
    prefixes.push_back(prefixes.empty() ? running : WithoutBackslash(running));
  }
  return prefixes;
}

}  // namespace tavel
