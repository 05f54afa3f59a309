// A Program Manager for tests: groups and items kept in memory, commands carried out as the shell
// does.
#include "support/fake_progman.h"

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

struct Command {
  std::string name;
  std::vector<std::string> arguments;
};

// Reads "[Name(argument,...)]" as the shell does: an argument in double quotes runs to the closing
// quote, any other to the next comma or closing parenthesis. Nothing when the text does not end
// right after the closing parenthesis (with "]" and the line end), as for an unquoted argument that
// holds a parenthesis.
std::optional<Command> ParseCommand(const std::string& text) {
  std::size_t open = text.find('(');
  if (text.empty() || text[0] != '[' || open == std::string::npos) return std::nullopt;
  Command command{text.substr(1, open - 1), {}};
  std::size_t i = open + 1;
  for (;;) {
    std::size_t end = text[i] == '"' ? text.find('"', i + 1) : text.find_first_of(",)", i);
    if (end == std::string::npos) return std::nullopt;
    if (text[i] == '"') {
      command.arguments.push_back(text.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      command.arguments.push_back(text.substr(i, end - i));
      i = end;
    }
    if (i < text.size() && text[i] == ',') {
      ++i;
      continue;
    }
    if (i < text.size() && text[i] == ')') break;
    return std::nullopt;
  }
  const std::string rest = text.substr(i + 1);
  if (rest != "]" && rest != "]\r\n") return std::nullopt;
  return command;
}

}  // namespace

void FakeProgman::Carry(const std::string& text) {
  std::optional<Command> command = ParseCommand(text);
  if (!command) return;
  const std::vector<std::string>& args = command->arguments;
  if (command->name == "CreateGroup") {
    current_ = args[0];
    if (std::count(groups.begin(), groups.end(), current_) == 0) groups.push_back(current_);
  } else if (command->name == "ShowGroup") {
    current_ = args[0];
  } else if (command->name == "AddItem" && args.size() >= 2) {
    items[current_].push_back(args[1]);
    itemPrograms[args[1]] = args[0];
  } else if (command->name == "DeleteItem") {
    auto& titles = items[current_];
    titles.erase(std::remove(titles.begin(), titles.end(), args[0]), titles.end());
  }
}

}  // namespace tavel::testing
