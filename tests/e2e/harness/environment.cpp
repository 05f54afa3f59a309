// Where the program under test and the artefact folder are, and the checks made before any test.
#include "environment.h"

#include <windows.h>

#include <cstdio>

#include "files.h"
#include "wait.h"

namespace tavel::e2e {

namespace {

std::string Variable(const char* name) {
  char buffer[MAX_PATH * 4];
  DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

}  // namespace

std::string WindowsPathOf(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:";
  for (char c : path) out += c == '/' ? '\\' : c;
  return out;
}

std::string PathFromEnvironment(const char* name) {
  return WindowsPathOf(Variable(name));
}

std::string BuiltExePath() {
  return PathFromEnvironment("TAVEL_EXE");
}

REGSAM ProgramRegistryView() {
  static const REGSAM view = [] {
    DWORD type = 0;
    return GetBinaryTypeA(BuiltExePath().c_str(), &type) && type == SCS_32BIT_BINARY
               ? REGSAM(KEY_WOW64_32KEY)
               : REGSAM(0);
  }();
  return view;
}

std::string ArtifactsFolder() {
  std::string folder = WindowsPathOf(Variable("TAVEL_ARTIFACTS"));
  if (folder.empty()) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "tavel-artifacts";
  }
  if (folder.back() != '\\') folder += '\\';
  MakeFolders(folder);
  return folder;
}

void NoteLeftOut(const std::string& what) {
  if (FILE* file = std::fopen((ArtifactsFolder() + "left-out.txt").c_str(), "a")) {
    std::fprintf(file, "%s\n", what.c_str());
    std::fclose(file);
  }
}

void E2eEnvironment::SetUp() {
  ASSERT_EQ(GetACP(), 932u) << "run under LANG=ja_JP.UTF-8 with the locale generated";
  std::string exe = BuiltExePath();
  ASSERT_FALSE(exe.empty()) << "TAVEL_EXE is not set";
  ASSERT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES) << exe << " is missing";
  // The pointer rests in a corner, so that no hint pops up over the windows under test.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, 0);
  if (!WaitUntil([] { return FindWindowA("Shell_TrayWnd", nullptr) != nullptr; },
                 kWindowTimeoutMs)) {
    std::printf("warning: no taskbar; run inside scripts/wine-session.sh for tray tests\n");
  }
}

}  // namespace tavel::e2e
