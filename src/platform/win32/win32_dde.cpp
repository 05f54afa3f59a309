// DDEML conversations: connect, request text, execute without waiting, disconnect.
#include "platform/win32/win32_dde.h"

#include "platform/win32/handles.h"

namespace tavel {

// A DDEML client instance; 0 when initialising failed.
class DdeInstance {
 public:
  DdeInstance();
  ~DdeInstance();
  DdeInstance(const DdeInstance&) = delete;
  DdeInstance& operator=(const DdeInstance&) = delete;

  DWORD Id() const { return id_; }

 private:
  DWORD id_ = 0;
};

namespace {

constexpr DWORD kRequestTimeoutMs = 10000;

// A client that answers no server transactions: only its own requests and executes matter.
HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

class Win32DdeConversation : public DdeConversation {
 public:
  Win32DdeConversation(DWORD instance, HCONV conv) : instance_(instance), conv_(conv) {}

  std::optional<std::string> Request(const std::string& item) override {
    DdeStringHandle itemName = OwnDdeString(instance_, item);
    if (!itemName.Get()) return std::nullopt;
    DdeDataHandle data(DdeClientTransaction(nullptr, 0, conv_.Get(), itemName.Get(), CF_TEXT,
                                            XTYP_REQUEST, kRequestTimeoutMs, nullptr));
    if (!data.Get()) return std::nullopt;
    DWORD size = DdeGetData(data.Get(), nullptr, 0, 0);
    std::string text(size, '\0');
    if (size > 0) DdeGetData(data.Get(), reinterpret_cast<LPBYTE>(text.data()), size, 0);
    return text.substr(0, text.find('\0'));
  }

  bool Execute(const std::string& command) override {
    // The data is the text with its NUL. Sent asynchronously: the transaction is accepted or
    // refused at once, and the server carries the command out in its own time.
    std::string data = command;
    DWORD transaction = 0;
    return DdeClientTransaction(reinterpret_cast<LPBYTE>(data.data()),
                                static_cast<DWORD>(data.size() + 1), conv_.Get(), nullptr, CF_TEXT,
                                XTYP_EXECUTE, TIMEOUT_ASYNC, &transaction) != nullptr;
  }

 private:
  DWORD instance_;
  DdeConversationHandle conv_;
};

HCONV TryConnect(DWORD instance, const std::string& service, const std::string& topic) {
  DdeStringHandle serviceName = OwnDdeString(instance, service);
  DdeStringHandle topicName = OwnDdeString(instance, topic);
  if (!serviceName.Get() || !topicName.Get()) return nullptr;
  return DdeConnect(instance, serviceName.Get(), topicName.Get(), nullptr);
}

}  // namespace

DdeInstance::DdeInstance() {
  if (DdeInitializeA(&id_, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) id_ = 0;
}

DdeInstance::~DdeInstance() {
  if (id_) DdeUninitialize(id_);
}

Win32Dde::Win32Dde() = default;
Win32Dde::~Win32Dde() = default;

std::unique_ptr<DdeConversation> Win32Dde::Connect(const std::string& service,
                                                   const std::string& topic) {
  if (!instance_) instance_ = std::make_unique<DdeInstance>();
  DWORD id = instance_->Id();
  if (id == 0) return nullptr;
  HCONV conv = TryConnect(id, service, topic);
  if (!conv) {
    // No server answered: start it (its program is named like the service, the topic its
    // argument) minimised without taking the focus, and try once more.
    std::string commandLine = service + " " + topic;
    WinExec(commandLine.c_str(), SW_SHOWMINNOACTIVE);
    conv = TryConnect(id, service, topic);
  }
  if (!conv) return nullptr;
  return std::make_unique<Win32DdeConversation>(id, conv);
}

}  // namespace tavel
