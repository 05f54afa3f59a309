// The conversation with Program Manager: the group and item macros, sending one macro, and the list
// of groups the install offers.
#pragma once

#include <string>
#include <vector>

namespace tavel {

class ComboBox;
class DdeClient;

// Program Manager answers as this service and topic.
constexpr const char* kProgmanService = "PROGMAN";
constexpr const char* kProgmanTopic = "PROGMAN";

// An argument as Program Manager reads it: it ends an argument that is not in double quotes at
// the first comma or closing parenthesis, so a text holding a blank, a comma or a parenthesis
// (C:\Program Files (x86)\..., a group typed as 音楽 (BGM)) goes in quotes. Any other text, and one
// already in quotes (the item's title), goes in as it is.
std::string MacroArgument(const std::string& text);

// The macros, each ended by CR LF, with their arguments as MacroArgument gives them.
std::string CreateGroupMacro(const std::string& group);
std::string AddItemMacro(const std::string& exePath, const std::string& itemTitle);
std::string ShowGroupMacro(const std::string& group);
std::string DeleteItemMacro(const std::string& itemTitle);

constexpr const char* kDdeOpenFailed = "DDE:オープンに失敗しました・・・";
constexpr const char* kDdeSendFailed = "DDE:送信に失敗しました・・・";

// Sends one macro in a conversation of its own (connect, one execute, disconnect). "" when Program
// Manager accepted it, else kDdeOpenFailed or kDdeSendFailed.
std::string SendProgmanMacro(DdeClient& dde, const std::string& macro);

// The names in a "GROUPS" reply: each run of bytes from 0x14 up is a name, the control bytes
// between them (CR LF) separate. A reply that starts with control bytes gives an empty name first.
std::vector<std::string> ParseProgmanGroups(const std::string& reply);

struct GroupChoice {
  std::vector<std::string> names;
  int selected = -1;
};

// The group box's list: the names sorted, then the maker's older group and the maker's group
// moved to the end, the maker's group always there and selected, unless the group of the previous
// install is in the list.
GroupChoice ChooseProgmanGroups(std::vector<std::string> names, const std::string& savedGroup);

// Asks Program Manager for its groups and fills the group box with them. False when the
// conversation could not be opened (the box is then left as it was). A request that gets no reply
// leaves only the maker's group.
bool FetchProgmanGroups(DdeClient& dde, ComboBox& groupBox, const std::string& savedGroup);

}  // namespace tavel
