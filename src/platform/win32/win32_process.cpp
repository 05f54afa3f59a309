// The running process as Windows describes it, and starting other programs.
#include "platform/win32/win32_process.h"

#include <windows.h>

#include "platform/command_line.h"

namespace tavel {

std::string Win32Process::OwnPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

std::string Win32Process::FirstArgument() {
  return CommandLineArgument(GetCommandLineA(), 1);
}

int Win32Process::SetCurrentFolder(const std::string& folder) {
  return SetCurrentDirectoryA(folder.c_str()) ? 0 : static_cast<int>(GetLastError());
}

bool Win32Process::Execute(const std::string& commandLine) {
  // WinExec reports failures as values up to 31.
  return WinExec(commandLine.c_str(), SW_SHOW) > 31;
}

}  // namespace tavel
