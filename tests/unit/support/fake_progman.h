// A Program Manager for tests, reached as the DDE client service: it holds groups and items,
// answers "GROUPS", reads the group and item commands as the shell does and carries them out, and
// refuses as the test says.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dde.h"

namespace tavel::testing {

class FakeProgman : public DdeClient {
 public:
  std::unique_ptr<DdeConversation> Connect(const std::string& service,
                                           const std::string& topic) override;

  // Whether a server answers "PROGMAN"/"PROGMAN" at all.
  bool answers = true;
  // Whether execute transactions are accepted.
  bool acceptsExecute = true;
  // Whether the "GROUPS" request is answered (false: it times out).
  bool answersRequest = true;
  // The reply to "GROUPS" exactly as given; without it, `groups` each ended by CR LF.
  std::optional<std::string> groupsReply;

  // The groups, in the order they were made, and the item titles in each (as the shell names
  // them: without the quotes around a title).
  std::vector<std::string> groups;
  std::map<std::string, std::vector<std::string>> items;
  // The program each item title starts, as the last add-item command named it.
  std::map<std::string, std::string> itemPrograms;

  // Every step, in order: "connect", "request ITEM", "execute DATA", "disconnect"; a refused
  // connection logs "connect refused".
  std::vector<std::string> log;
  // The data of each accepted execute, byte for byte.
  std::vector<std::string> commands;
  int openConversations = 0;

  // Whether the group holds an item of this title.
  bool HasItem(const std::string& group, const std::string& title) const;

 private:
  friend class FakeProgmanConversation;
  std::optional<std::string> Reply(const std::string& item) const;
  void Carry(const std::string& command);

  std::string current_;  // the group the last command named
};

}  // namespace tavel::testing
