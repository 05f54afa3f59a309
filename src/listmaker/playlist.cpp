// M3U and M3U8 playlists as input: their entries and the paths they name.
#include "listmaker/playlist.h"

#include <algorithm>

#include "lists/list_file.h"
#include "text/path.h"

namespace tavel {

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

bool EndsWithNoCase(const std::string& text, const std::string& lowerEnd) {
  if (text.size() < lowerEnd.size()) return false;
  const std::size_t start = text.size() - lowerEnd.size();
  for (std::size_t i = 0; i < lowerEnd.size(); ++i) {
    const char c = text[start + i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c) != lowerEnd[i]) return false;
  }
  return true;
}

// Blanks and tabs are never part of a double-byte character, in UTF-8 nor in code page 932.
std::string Trimmed(const std::string& line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

bool IsDriveRoot(const std::string& path) {
  return path.size() >= 3 && path[1] == ':' && path[2] == '\\';
}

bool IsNetworkPath(const std::string& path) {
  return path.rfind("\\\\", 0) == 0;
}

// The part no ".." goes above: "C:\" or "\\server\share\" (empty when the path has neither).
std::size_t RootLength(const std::string& path) {
  if (IsDriveRoot(path)) return 3;
  if (!IsNetworkPath(path)) return 0;
  const std::size_t server = path.find('\\', 2);
  if (server == std::string::npos) return path.size();
  const std::size_t share = path.find('\\', server + 1);
  return share == std::string::npos ? path.size() : share + 1;
}

std::string WithoutDotSteps(const std::string& path) {
  const std::size_t rootLength = RootLength(path);
  std::vector<std::string> steps;
  std::size_t start = rootLength;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string step = path.substr(start, end - start);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    start = end + 1;
  }
  std::string result = path.substr(0, rootLength);
  for (std::size_t i = 0; i < steps.size(); ++i) result += (i ? "\\" : "") + steps[i];
  return result;
}

}  // namespace

bool IsPlaylist(const std::string& path) {
  return EndsWithNoCase(path, ".m3u") || EndsWithNoCase(path, ".m3u8");
}

bool IsUtf8Playlist(const std::string& path, const std::string& bytes) {
  return EndsWithNoCase(path, ".m3u8") || bytes.rfind(kByteOrderMark, 0) == 0;
}

std::vector<std::string> PlaylistEntries(const std::string& bytes) {
  const bool marked = bytes.rfind(kByteOrderMark, 0) == 0;
  std::vector<std::string> entries;
  for (const std::string& line : ParseListFile(marked ? bytes.substr(3) : bytes)) {
    std::string entry = Trimmed(line);
    if (!entry.empty() && entry[0] != '#') entries.push_back(std::move(entry));
  }
  return entries;
}

bool IsAddress(const std::string& entry) {
  const std::size_t colon = entry.find("://");
  return colon != std::string::npos && colon > 1;
}

std::string ResolveEntry(const std::string& folder, const std::string& entry) {
  std::string path = entry;
  std::replace(path.begin(), path.end(), '/', '\\');
  if (!IsDriveRoot(path) && !IsNetworkPath(path)) {
    const bool fromRoot = !path.empty() && path[0] == '\\';
    path = fromRoot ? folder.substr(0, RootLength(folder)) + path.substr(1)
                    : JoinPath(folder, path, PathEncoding::Utf8);
  }
  return WithoutDotSteps(path);
}

}  // namespace tavel
