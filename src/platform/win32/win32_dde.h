// The DDE client of Windows (DDEML), one client instance for the process, made at first use.
#pragma once

#include <memory>

#include "platform/dde.h"

namespace tavel {

class DdeInstance;

class Win32Dde : public DdeClient {
 public:
  Win32Dde();
  ~Win32Dde() override;
  Win32Dde(const Win32Dde&) = delete;
  Win32Dde& operator=(const Win32Dde&) = delete;

  std::unique_ptr<DdeConversation> Connect(const std::string& service,
                                           const std::string& topic) override;

 private:
  // Every conversation is closed before the instance goes: they live inside one call of a step.
  std::unique_ptr<DdeInstance> instance_;
};

}  // namespace tavel
