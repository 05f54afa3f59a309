// The list maker's texts in Japanese and in English (UTF-8).
#pragma once

#include <string>

#include "listmaker/list_request.h"
#include "listmaker/selection.h"

namespace tavel {

enum class Language { Japanese, English };

// The help: both languages, Japanese first.
std::string HelpText();

// What is wrong with the arguments, followed by a pointer to the help.
std::string ArgumentErrorText(const ParsedArguments& parsed, Language language);

// One line for a refused entry: its path and the reason.
std::string RefusalText(const RefusedEntry& refused, Language language);

// One line for an entry written by its short name: the file's path and the path in the list.
std::string ShortenedText(const ShortenedEntry& shortened, Language language);

// The message of a written list; `list` is the list file's path.
std::string WrittenText(const std::string& list, std::size_t entries, std::size_t refused,
                        Language language);
// What became of the list, or why nothing became of it, followed by the path it is about.
enum class Notice {
  NothingToWrite,
  ListExists,
  WriteFailed,
  ListUnreadable,
  FolderUnusable,  // the list's folder is missing or cannot be named in code page 932
  NoPlayer,        // the list's folder has no TaVEL32.EXE
};
std::string NoticeText(Notice notice, const std::string& path, Language language);

}  // namespace tavel
