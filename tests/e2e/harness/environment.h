// Where the program under test and the artefact folder are, and the checks made before any test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace tavel::e2e {

// The Windows path (Z:\...) of a Linux path; a path that is already a Windows path is kept.
std::string WindowsPathOf(const std::string& path);

// The file an environment variable names (TAVEL_MP3 ...), as a Windows path; empty when unset.
std::string PathFromEnvironment(const char* name);
// TaVEL32.EXE as built (from TAVEL_EXE), as a Windows path.
std::string BuiltExePath();
// The registry view the program under test sees: for a 32-bit TaVEL32.EXE the 32-bit one, where
// its HKEY_LOCAL_MACHINE\Software keys (the uninstall entry) lie, as on 64-bit Windows.
REGSAM ProgramRegistryView();
// The folder for screenshots and other artefacts (from TAVEL_ARTIFACTS, else the temp folder),
// as a Windows path with a trailing backslash; created when missing.
std::string ArtifactsFolder();
// Notes a line in the artefact folder's left-out.txt: something this machine could not test at
// all, which the test script's summary then shows loudly instead of a quiet pass.
void NoteLeftOut(const std::string& what);

// Fails the run early when the program is missing or the code page is not 932; waits for the
// taskbar of the explorer desktop, which the tray needs; parks the mouse pointer.
class E2eEnvironment : public ::testing::Environment {
 public:
  void SetUp() override;
};

}  // namespace tavel::e2e
