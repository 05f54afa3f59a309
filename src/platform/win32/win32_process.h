// The running process as Windows describes it, and starting other programs.
#pragma once

#include "platform/process.h"

namespace tavel {

class Win32Process : public Process {
 public:
  std::string OwnPath() override;
  std::string FirstArgument() override;
  int SetCurrentFolder(const std::string& folder) override;
  bool Execute(const std::string& commandLine) override;
};

}  // namespace tavel
