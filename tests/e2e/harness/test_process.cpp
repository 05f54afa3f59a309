// A process of the program under test, started by a test and ended with it.
#include "test_process.h"

#include "top_windows.h"

namespace tavel::e2e {

TestProcess::TestProcess(const std::string& exe, const std::string& arguments,
                         const std::string& folder) {
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info_)) {
    info_ = {};
  }
}

TestProcess::~TestProcess() {
  if (!Started()) return;
  Kill();
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool TestProcess::Running() const {
  return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool TestProcess::WaitForExit(int timeoutMs) {
  return Started() &&
         WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

std::optional<DWORD> TestProcess::ExitCode() const {
  DWORD code = 0;
  if (!Started() || Running() || !GetExitCodeProcess(info_.hProcess, &code)) return std::nullopt;
  return code;
}

void TestProcess::Kill() {
  if (!Running()) return;
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, kExitTimeoutMs);
}

std::vector<HWND> TestProcess::Windows(const char* className) const {
  if (!Started()) return {};
  return TopWindows(className, info_.dwProcessId);
}

HWND TestProcess::WaitForWindow(const char* className, int timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        auto all = Windows(className);
        found = all.empty() ? nullptr : all.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

HWND TestProcess::WaitForShownWindow(const char* className, int timeoutMs) const {
  HWND w = WaitForWindow(className, timeoutMs);
  if (w && !WaitUntil([&] { return IsShown(w); }, timeoutMs)) return nullptr;
  return w;
}

std::vector<SeenWindow> TestProcess::WatchUntilExit(int timeoutMs) {
  std::vector<SeenWindow> seen;
  auto note = [&] {
    for (HWND w : Windows()) {
      auto it = seen.begin();
      while (it != seen.end() && it->window != w) ++it;
      if (it == seen.end()) it = seen.insert(seen.end(), SeenWindow{w, ClassOf(w), false});
      it->everShown = it->everShown || IsShown(w);
    }
  };
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  while (Started() && WaitForSingleObject(info_.hProcess, 5) == WAIT_TIMEOUT &&
         GetTickCount64() < deadline) {
    note();
  }
  return seen;
}

}  // namespace tavel::e2e
