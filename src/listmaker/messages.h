// The list maker's texts in Japanese and in English (UTF-8).
#pragma once

#include <string>

#include "listmaker/list_request.h"
#include "listmaker/selection.h"

namespace tavel::listmaker {

enum class Language { Japanese, English };

// The help: both languages, Japanese first.
std::string HelpText();

// What is wrong with the arguments, followed by a pointer to the help.
std::string ArgumentErrorText(const ParsedArguments& parsed, Language language);

// One line for a refused entry: its path and the reason.
std::string RefusalText(const RefusedEntry& refused, Language language);

// The outcome messages; `list` is the list file's path.
std::string WrittenText(const std::string& list, std::size_t entries, std::size_t refused,
                        Language language);
std::string NothingToWriteText(const std::string& list, Language language);
std::string ListExistsText(const std::string& list, Language language);
std::string WriteFailedText(const std::string& list, Language language);
std::string ListUnreadableText(const std::string& list, Language language);
std::string FolderUnusableText(const std::string& folder, Language language);
std::string NoPlayerText(const std::string& folder, Language language);

}  // namespace tavel::listmaker
