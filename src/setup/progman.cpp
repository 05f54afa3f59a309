// Program Manager by DDE: macros composed verbatim, one conversation per macro, the group list.
#include "setup/progman.h"

#include <algorithm>

#include "platform/dde.h"
#include "product/layout.h"
#include "text/name_case.h"
#include "ui/list_controls.h"

namespace tavel {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr unsigned char kFirstNameByte = 0x14;

// The index of the first name equal to `name`, ignoring the case of ASCII letters as a list box's
// search does (group names are folder names, whose case does not tell them apart); -1 when none.
int IndexOfName(const std::vector<std::string>& names, const std::string& name) {
  std::string wanted = LowerAscii(name);
  for (size_t i = 0; i < names.size(); ++i) {
    if (LowerAscii(names[i]) == wanted) return static_cast<int>(i);
  }
  return -1;
}

// Takes the first entry of `name` out and adds `name` at the end; when it is missing, adds it only
// when `addWhenMissing`.
void MoveToEnd(std::vector<std::string>& names, const std::string& name, bool addWhenMissing) {
  int at = IndexOfName(names, name);
  if (at >= 0) names.erase(names.begin() + at);
  if (at >= 0 || addWhenMissing) names.push_back(name);
}

}  // namespace

std::string MacroArgument(const std::string& text) {
  const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  // The bytes looked for are below 0x40, so no second byte of a double-byte character is one.
  if (quoted || text.find_first_of(" ,()") == std::string::npos) return text;
  return "\"" + text + "\"";
}

std::string CreateGroupMacro(const std::string& group) {
  return "[CreateGroup(" + MacroArgument(group) + ")]" + kCrLf;
}

std::string AddItemMacro(const std::string& exePath, const std::string& itemTitle) {
  return "[AddItem(" + MacroArgument(exePath) + "," + MacroArgument(itemTitle) + ")]" + kCrLf;
}

std::string ShowGroupMacro(const std::string& group) {
  return "[ShowGroup(" + MacroArgument(group) + ",1)]" + kCrLf;
}

std::string DeleteItemMacro(const std::string& itemTitle) {
  return "[DeleteItem(" + MacroArgument(itemTitle) + ")]" + kCrLf;
}

std::string SendProgmanMacro(DdeClient& dde, const std::string& macro) {
  auto conversation = dde.Connect(kProgmanService, kProgmanTopic);
  if (!conversation) return kDdeOpenFailed;
  return conversation->Execute(macro) ? "" : kDdeSendFailed;
}

std::vector<std::string> ParseProgmanGroups(const std::string& reply) {
  std::vector<std::string> names;
  size_t i = 0;
  while (i < reply.size() && reply[i] != '\0') {
    std::string name;
    while (i < reply.size() && static_cast<unsigned char>(reply[i]) >= kFirstNameByte)
      name += reply[i++];
    names.push_back(name);
    while (i < reply.size() && reply[i] != '\0' &&
           static_cast<unsigned char>(reply[i]) < kFirstNameByte) {
      ++i;
    }
  }
  return names;
}

GroupChoice ChooseProgmanGroups(std::vector<std::string> names, const std::string& savedGroup) {
  // The box sorts as it fills, ignoring the case of letters.
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return LowerAscii(a) < LowerAscii(b);
  });
  MoveToEnd(names, kMakerGroupOld, false);
  MoveToEnd(names, kMakerGroup, true);  // last in any case
  GroupChoice choice{names, static_cast<int>(names.size()) - 1};
  int saved = IndexOfName(choice.names, savedGroup);
  if (saved >= 0) choice.selected = saved;
  return choice;
}

bool FetchProgmanGroups(DdeClient& dde, ComboBox& groupBox, const std::string& savedGroup) {
  std::vector<std::string> names;
  {
    auto conversation = dde.Connect(kProgmanService, kProgmanTopic);
    if (!conversation) return false;
    if (auto reply = conversation->Request("GROUPS")) names = ParseProgmanGroups(*reply);
  }  // the link closes before the box is filled
  GroupChoice choice = ChooseProgmanGroups(std::move(names), savedGroup);
  groupBox.Assign(choice.names);
  groupBox.SetItemIndex(choice.selected);
  return true;
}

}  // namespace tavel
