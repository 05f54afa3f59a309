// A fresh folder, a copy of the program and a cleared settings key for one test; every process the
// test starts ends with it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "registry_key.h"
#include "test_process.h"

namespace tavel::e2e {

class Sandbox {
 public:
  // Makes the folder for the current test, copies TaVEL32.EXE into it as `exeName` and clears the
  // settings key. Check Ready() (or ASSERT on it) before use.
  explicit Sandbox(const std::string& exeName = "TaVEL32.EXE");
  // Ends every process the test started and any program window left behind by them.
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  bool Ready() const { return ready_; }
  // The folder, with a trailing backslash.
  const std::string& Folder() const { return folder_; }
  std::string PathOf(const std::string& name) const { return folder_ + name; }
  const std::string& ExePath() const { return exe_; }

  // HKEY_USERS\.Default\Software\KOLAP SOFT32\TAVEL32.
  RegistryKey& Settings() { return settings_; }
  // Marks this version of the program installed, as its install does, so that a start opens the
  // player.
  bool MarkInstalled() { return settings_.Write("Version", "11"); }

  // Files in the folder, as raw bytes (list files are Shift-JIS text with CR LF).
  bool WriteFile(const std::string& name, const std::string& bytes) const;
  std::optional<std::string> ReadFile(const std::string& name) const;
  bool HasFile(const std::string& name) const;

  // Starts the program copy with a command line (after the program name), in the folder.
  TestProcess& Start(const std::string& arguments = "");
  // Starts the probe program an environment variable names (TAVEL_PROBE ...) with a command line,
  // in the folder.
  TestProcess& StartProbe(const char* variable, const std::string& arguments);
  // Kills every process started here and every program process whose window is still open.
  void EndAll();

 private:
  TestProcess& Run(const std::string& exe, const std::string& arguments);

  std::string folder_;
  std::string exe_;
  RegistryKey settings_;
  bool ready_ = false;
  std::vector<std::unique_ptr<TestProcess>> processes_;
};

}  // namespace tavel::e2e
