// What the player plays: the types of file it takes and the paths its MCI open command can hold.
#include "lists/playable.h"

#include <algorithm>

#include "text/name_case.h"
#include "text/path.h"

namespace tavel {

std::optional<std::string> OpenCommand(const std::string& path) {
  std::string command = "Open \"" + path + "\" alias Kolap wait";
  if (command.size() > kMciCommandCapacity) return std::nullopt;
  return command;
}

// The extension begins at the last dot of the name; a dot is never the second byte of a
// double-byte character, so the name can be searched byte by byte.
std::string FileTypeKey(const std::string& path) {
  std::string name = DisplayName(path);
  std::size_t dot = name.rfind('.');
  std::string extension = dot == std::string::npos ? "" : name.substr(dot);
  std::string padded = UpperCaseName(extension) + "   ";
  std::size_t first = padded.find('.');
  return padded.substr(first == std::string::npos ? 0 : first + 1, 3);
}

std::vector<std::string> PlayableTypes(bool mp3AndWma) {
  std::vector<std::string> types{"WAV", "MID", "RMI", "AIF", "AU ", "SND"};
  if (mp3AndWma) types.insert(types.end(), {"MP3", "WMA"});
  return types;
}

bool IsPlayableType(const std::string& path, const std::vector<std::string>& types) {
  return std::find(types.begin(), types.end(), FileTypeKey(path)) != types.end();
}

}  // namespace tavel
