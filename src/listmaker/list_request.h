// What one run of the list maker is asked to do, read from its command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavel {

// What happens to a list file that is already there.
enum class ExistingList { Keep, Replace, Append };

struct ListRequest {
  int memory = -1;                  // 0 to 9
  std::vector<std::string> inputs;  // folders, music files and playlists, as given (UTF-8)
  bool subfolders = false;          // folders are searched with their sub-folders
  bool mp3AndWma = false;           // MP3 and WMA files are taken too (the player's option)
  ExistingList existing = ExistingList::Keep;
  std::string playerFolder;  // where TaVEL32.EXE is; empty for the list maker's own folder
  bool help = false;
};

enum class ArgumentError {
  None,
  NoMemory,          // no arguments, or the first is not M0 .. M9
  NoInput,           // a memory but nothing to list
  UnknownOption,     // `argument` is the option
  MissingFolder,     // the folder option without its folder
  ReplaceAndAppend,  // both asked for
};

struct ParsedArguments {
  ListRequest request;
  ArgumentError error = ArgumentError::None;
  std::string argument;  // the argument an error is about
};

// Reads the arguments after the program name. Options may stand anywhere; "--" ends them.
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// 0 to 9 for "M0" .. "M9" (either case), nothing otherwise.
std::optional<int> MemoryNumber(const std::string& text);

}  // namespace tavel
