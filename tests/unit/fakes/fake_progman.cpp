// A Program Manager for tests: groups and items kept in memory, commands carried out as the shell
// does.
#include "fakes/fake_progman.h"

#include <algorithm>

namespace tavel::testing {

class FakeProgmanConversation : public DdeConversation {
 public:
  explicit FakeProgmanConversation(FakeProgman& server) : server_(server) {
    server_.log.push_back("connect");
    ++server_.openConversations;
  }
  ~FakeProgmanConversation() override {
    server_.log.push_back("disconnect");
    --server_.openConversations;
  }

  std::optional<std::string> Request(const std::string& item) override {
    server_.log.push_back("request " + item);
    return server_.Reply(item);
  }

  bool Execute(const std::string& command) override {
    server_.log.push_back("execute " + command);
    if (!server_.acceptsExecute) return false;
    server_.commands.push_back(command);
    server_.Carry(command);
    return true;
  }

 private:
  FakeProgman& server_;
};

std::unique_ptr<DdeConversation> FakeProgman::Connect(const std::string& service,
                                                      const std::string& topic) {
  if (!answers || service != "PROGMAN" || topic != "PROGMAN") {
    log.push_back("connect refused");
    return nullptr;
  }
  return std::make_unique<FakeProgmanConversation>(*this);
}

bool FakeProgman::HasItem(const std::string& group, const std::string& title) const {
  auto it = items.find(group);
  return it != items.end() && std::count(it->second.begin(), it->second.end(), title) > 0;
}

std::optional<std::string> FakeProgman::Reply(const std::string& item) const {
  if (!answersRequest || item != "GROUPS") return std::nullopt;
  if (groupsReply) return groupsReply;
  std::string reply;
  for (const auto& group : groups) reply += group + "\r\n";
  return reply;
}

namespace {

std::string Unquoted(const std::string& text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

}  // namespace

// Commands look like "[Name(argument)]" and end with CR LF; anything else is ignored.
void FakeProgman::Carry(const std::string& command) {
  auto open = command.find('(');
  auto close = command.rfind(")]");
  if (command.empty() || command[0] != '[' || open == std::string::npos ||
      close == std::string::npos || close < open) {
    return;
  }
  std::string name = command.substr(1, open - 1);
  std::string argument = command.substr(open + 1, close - open - 1);
  if (name == "CreateGroup") {
    current_ = argument;
    if (std::count(groups.begin(), groups.end(), argument) == 0) groups.push_back(argument);
  } else if (name == "ShowGroup") {
    current_ = argument.substr(0, argument.rfind(','));
  } else if (name == "AddItem") {
    items[current_].push_back(Unquoted(argument.substr(argument.rfind(',') + 1)));
  } else if (name == "DeleteItem") {
    auto& titles = items[current_];
    titles.erase(std::remove(titles.begin(), titles.end(), Unquoted(argument)), titles.end());
  }
}

}  // namespace tavel::testing
