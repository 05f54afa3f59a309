// A process of the program under test, started by a test and ended with it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "wait.h"

namespace tavel::e2e {

// A top-level window a process had while it was watched.
struct SeenWindow {
  HWND window;
  std::string className;
  bool everShown;
};

class TestProcess {
 public:
  // Starts `exe` with `arguments` (the command line after the program name) in `folder`.
  // Check Started() afterwards.
  TestProcess(const std::string& exe, const std::string& arguments, const std::string& folder);
  // Kills the process when it still runs.
  ~TestProcess();
  TestProcess(const TestProcess&) = delete;
  TestProcess& operator=(const TestProcess&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const;
  // True when the process has ended within the time-out.
  bool WaitForExit(int timeoutMs = kExitTimeoutMs);
  // The exit code once the process has ended.
  std::optional<DWORD> ExitCode() const;
  // Ends the process at once and waits until it is gone.
  void Kill();

  // Its top-level windows of a class (all when null), hidden ones included.
  std::vector<HWND> Windows(const char* className = nullptr) const;
  // Its first window of the class, or null after the time-out.
  HWND WaitForWindow(const char* className, int timeoutMs = kWindowTimeoutMs) const;
  // The same window once it shows, or null when it does not show in time.
  HWND WaitForShownWindow(const char* className, int timeoutMs = kWindowTimeoutMs) const;
  // Waits for the end of the process, noting every top-level window it has meanwhile and whether
  // it was ever shown. Polls often enough to see a window that lives a fraction of a second.
  std::vector<SeenWindow> WatchUntilExit(int timeoutMs = kExitTimeoutMs);

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace tavel::e2e
