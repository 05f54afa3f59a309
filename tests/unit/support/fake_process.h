// The running program's path and argument as a test sets them, and the programs it started.
#pragma once

#include <string>
#include <vector>

#include "platform/process.h"

namespace tavel::testing {

class FakeProcess : public Process {
 public:
  std::string path = "C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE";
  std::string argument;
  std::vector<std::string> started;
  bool startSucceeds = true;
  int failingStarts = 0;  // this many starts fail first (a damaged program), then startSucceeds
  std::string currentFolder;
  int folderError = 0;  // what making a folder current fails with; 0 lets it succeed

  std::string OwnPath() override { return path; }
  std::string FirstArgument() override { return argument; }
  int SetCurrentFolder(const std::string& folder) override {
    if (folderError == 0) currentFolder = folder;
    return folderError;
  }
  bool Execute(const std::string& commandLine) override {
    started.push_back(commandLine);
    if (failingStarts > 0) {
      --failingStarts;
      return false;
    }
    return startSucceeds;
  }
};

}  // namespace tavel::testing
