// The process's own facts and starting other programs.
#pragma once

#include <string>

namespace tavel {

class Process {
 public:
  virtual ~Process() = default;
  // Full path of the running executable.
  virtual std::string OwnPath() = 0;
  // The first command-line argument, empty when there is none.
  virtual std::string FirstArgument() = 0;
  // Makes a folder the current folder; 0 on success, else the system's error code.
  virtual int SetCurrentFolder(const std::string& folder) = 0;
  // Starts a program by its command line, its window shown (SW_SHOW); true when it started.
  virtual bool Execute(const std::string& commandLine) = 0;
};

}  // namespace tavel
