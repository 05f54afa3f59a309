// What one run of the list maker is asked to do, read from its command line.
#include "listmaker/list_request.h"

namespace tavel {

namespace {

enum class Option { None, Subfolders, Replace, Append, Folder, Mp3AndWma, Help, Unknown };

// Both the Windows spelling (/S) and the usual console spellings (-s, --subfolders) are accepted;
// letters in either case.
Option OptionOf(const std::string& arg) {
  struct Name {
    const char* longName;
    char letter;
    Option option;
  };
  static const Name kNames[] = {
      {"--subfolders", 's', Option::Subfolders}, {"--replace", 'r', Option::Replace},
      {"--append", 'a', Option::Append},         {"--dir", 'd', Option::Folder},
      {"--mp3-wma", 'm', Option::Mp3AndWma},     {"--help", 'h', Option::Help}};
  if (arg == "/?" || arg == "-?") return Option::Help;
  const bool shortForm = arg.size() == 2 && (arg[0] == '/' || arg[0] == '-');
  const char letter = shortForm ? static_cast<char>(arg[1] | 0x20) : '\0';
  for (const Name& name : kNames) {
    if (arg == name.longName || (shortForm && letter == name.letter)) return name.option;
  }
  if (arg.size() > 1 && (arg[0] == '-' || arg[0] == '/')) return Option::Unknown;
  return Option::None;
}

// "--dir=FOLDER" and "/D:FOLDER" carry their folder in the same argument.
std::optional<std::string> AttachedFolder(const std::string& arg) {
  if (arg.rfind("--dir=", 0) == 0) return arg.substr(6);
  if (arg.size() > 3 && (arg[0] == '/' || arg[0] == '-') && (arg[1] | 0x20) == 'd' && arg[2] == ':')
    return arg.substr(3);
  return std::nullopt;
}

// "D:\Music\" typed in quotes reaches the program as D:\Music" (the system reads \" as a quote
// character). No path holds a double quote, so a last one can only have been that backslash.
std::string Repaired(const std::string& arg) {
  if (arg.empty() || arg.back() != '"') return arg;
  return arg.substr(0, arg.size() - 1) + "\\";
}

}  // namespace

std::optional<int> MemoryNumber(const std::string& text) {
  if (text.size() != 2 || (text[0] | 0x20) != 'm' || text[1] < '0' || text[1] > '9')
    return std::nullopt;
  return text[1] - '0';
}

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  ListRequest& request = parsed.request;
  std::vector<std::string> plain;
  bool optionsEnded = false;
  bool replace = false, append = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string arg = Repaired(args[i]);
    if (optionsEnded) {
      plain.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (std::optional<std::string> folder = AttachedFolder(arg)) {
      request.playerFolder = *folder;
      continue;
    }
    switch (OptionOf(arg)) {
      case Option::None:
        plain.push_back(arg);
        break;
      case Option::Subfolders:
        request.subfolders = true;
        break;
      case Option::Replace:
        replace = true;
        break;
      case Option::Append:
        append = true;
        break;
      case Option::Mp3AndWma:
        request.mp3AndWma = true;
        break;
      case Option::Help:
        request.help = true;
        return parsed;
      case Option::Folder:
        if (i + 1 == args.size() || args[i + 1].empty())
          return {request, ArgumentError::MissingFolder, arg};
        request.playerFolder = Repaired(args[++i]);
        break;
      case Option::Unknown:
        return {request, ArgumentError::UnknownOption, arg};
    }
  }
  if (replace && append) return {request, ArgumentError::ReplaceAndAppend, ""};
  request.existing =
      replace ? ExistingList::Replace : (append ? ExistingList::Append : ExistingList::Keep);
  std::optional<int> memory = plain.empty() ? std::nullopt : MemoryNumber(plain.front());
  if (!memory) return {request, ArgumentError::NoMemory, plain.empty() ? "" : plain.front()};
  request.memory = *memory;
  request.inputs.assign(plain.begin() + 1, plain.end());
  if (request.inputs.empty()) return {request, ArgumentError::NoInput, ""};
  return parsed;
}

}  // namespace tavel
