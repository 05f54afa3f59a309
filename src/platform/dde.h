// The DDE client service: conversations with a DDE server such as Program Manager.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace tavel {

// One open conversation. Destroying it disconnects; nothing keeps a conversation open between uses.
class DdeConversation {
 public:
  virtual ~DdeConversation() = default;
  // One synchronous request of `item` as text (CF_TEXT), waiting at most 10000 ms. The reply up to
  // its terminating NUL, or nothing when the server did not answer or refused.
  virtual std::optional<std::string> Request(const std::string& item) = 0;
  // One execute transaction whose data is `command` and its terminating NUL, sent without waiting
  // for its outcome; true when the server accepted the transaction.
  virtual bool Execute(const std::string& command) = 0;
};

class DdeClient {
 public:
  virtual ~DdeClient() = default;
  // Connects to `service` and `topic`. When no server answers, the command line "service topic" is
  // started minimised and the connection is tried once more. Null when that fails too.
  virtual std::unique_ptr<DdeConversation> Connect(const std::string& service,
                                                   const std::string& topic) = 0;
};

}  // namespace tavel
