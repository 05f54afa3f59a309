// A fresh folder, a copy of the program and a cleared settings key for one test; every process the
// test starts ends with it.
#include "sandbox.h"

#include <gtest/gtest.h>

#include "environment.h"
#include "files.h"
#include "top_windows.h"

namespace tavel::e2e {

namespace {

std::string TestFolderName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "sandbox";
  for (char& c : name) {
    if (c == '/' || c == '\\' || c == ':') c = '_';
  }
  return name;
}

std::string SandboxRoot() {
  char temp[MAX_PATH];
  DWORD n = GetTempPathA(MAX_PATH, temp);
  std::string root(temp, n);
  if (root.empty() || root.back() != '\\') root += '\\';
  return root + "tavel-e2e\\";
}

// Ends a process found through one of its windows.
void KillProcess(DWORD pid) {
  HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (!h) return;
  TerminateProcess(h, 1);
  WaitForSingleObject(h, kExitTimeoutMs);
  CloseHandle(h);
}

}  // namespace

Sandbox::Sandbox(const std::string& exeName)
    : folder_(SandboxRoot() + TestFolderName() + "\\"), settings_(SettingsKey()) {
  // A test starts from nothing: no program of an earlier test, no old files, no old settings.
  EndAll();
  RemoveFolder(folder_);
  exe_ = folder_ + exeName;
  ready_ = MakeFolders(folder_) && CopyFileA(BuiltExePath().c_str(), exe_.c_str(), FALSE) &&
           settings_.Clear();
}

Sandbox::~Sandbox() {
  EndAll();
}

bool Sandbox::WriteFile(const std::string& name, const std::string& bytes) const {
  return WriteBytes(PathOf(name), bytes);
}

std::optional<std::string> Sandbox::ReadFile(const std::string& name) const {
  return ReadBytes(PathOf(name));
}

bool Sandbox::HasFile(const std::string& name) const {
  return FileExists(PathOf(name));
}

TestProcess& Sandbox::Start(const std::string& arguments) {
  return Run(exe_, arguments);
}

TestProcess& Sandbox::StartProbe(const char* variable, const std::string& arguments) {
  const std::string probe = PathFromEnvironment(variable);
  EXPECT_FALSE(probe.empty()) << variable << " is not set";
  return Run(probe, arguments);
}

TestProcess& Sandbox::Run(const std::string& exe, const std::string& arguments) {
  processes_.push_back(std::make_unique<TestProcess>(exe, arguments, folder_));
  TestProcess& p = *processes_.back();
  EXPECT_TRUE(p.Started()) << "cannot start " << exe << " (error " << GetLastError() << ")";
  return p;
}

void Sandbox::EndAll() {
  for (auto& p : processes_) p->Kill();
  for (const char* cls : {kPlayerClass, kSetupClass}) {
    for (HWND w : TopWindows(cls)) KillProcess(ProcessOf(w));
  }
  WaitForNoWindow(kPlayerClass);
  WaitForNoWindow(kSetupClass);
}

}  // namespace tavel::e2e
