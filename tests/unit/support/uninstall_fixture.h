// The hidden setup window in its uninstall roles on the headless windowing system, with an
// installed program in the fakes and a user who answers each question from a script.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "support/setup_world.h"

namespace tavel::testing {

class UninstallFixture : public SetupWorld {
 protected:
  static constexpr const char* kExe = "C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE";
  static constexpr const char* kFolder = "C:\\KoLAPP32\\TaVIN32";
  static constexpr const char* kCopy = "C:\\WINDOWS\\unin_kolap000.exe";

  UninstallFixture() {
    entry.UninstallerName = "unin_kolap000.exe";
    // What an install into C:\KoLAPP32\TaVIN32 with the group KOLAP SOFT32 left behind.
    for (const char* folder : {"C:\\", "C:\\WINDOWS", "C:\\KoLAPP32", kFolder})
      files.PutFolder(folder);
    files.Put(kExe, std::string(70000, 'x'));
    files.Put("C:\\KoLAPP32\\TaVIN32\\TaVEL32.TXT", "help");
    files.Put("C:\\KoLAPP32\\TaVIN32\\TaVO32MH.LIS", "C:\\MUSIC\\A.WAV\r\n");
    registry.Set(kProductKey, "EXEPATH", kFolder);
    registry.Set(kProductKey, "Group", "KOLAP SOFT32");
    registry.Set(kSettingsKeyPath, "Version", "11");
    registry.Set(kSettingsKeyPath, "FP", "10,10");
    registry.Set(kEntryKey, "DisplayName", "KOLAP 楽蔵32 T-VEL V1.1", RegistryRoot::LocalMachine);
    registry.Set(kEntryKey, "UninstallString", "x", RegistryRoot::LocalMachine);
    registry.Set(kMapGroupsKey, "StartUp", "StartUp");
    progman.groups = {"KOLAP SOFT32", "StartUp"};
    progman.items["KOLAP SOFT32"] = {"楽蔵32 T-VEL"};
    progman.items["StartUp"] = {"楽蔵32 T-VEL"};
    process.path = kExe;
    drives.Add('C', DriveKind::Fixed);
    // The user reads each notice and presses "ＯＫ"; questions take the answers given by
    // Answers, "いいえ" when those have run out.
    user.Answer(DialogKind::YesNoBox, kResultNo);
  }

  // Creates the hidden window as the entry sequence does for `mode` and lets its first step run.
  TTVLSETUPForm& Run(std::int32_t mode) {
    entry.ModeCode = mode;
    window = std::make_unique<TTVLSETUPForm>(app, services, entry);
    window->Attach();  // the window stays hidden
    ui.Advance(500);
    return *window;
  }
  // The hand-off data as step 1 writes it.
  void HandOff(const std::string& title = "楽蔵32 V1．1 アンインスツール",
               const std::string& rmDir = "") {
    registry.Set(kHandoffKey, "File", kExe);
    registry.Set(kHandoffKey, "Title", title);
    registry.Set(kHandoffKey, "RmDir", rmDir);
  }
  // Runs the copy from the Windows folder as step 1 starts it.
  TTVLSETUPForm& RunCopy() {
    process.path = kCopy;
    process.argument = "/DeleteFile";
    return Run(kModeUninstallerCopy);
  }

  bool Closed() const { return window && window->IsClosed(); }
  // The user's answers to the next questions, in order: true for "はい".
  void Answers(std::initializer_list<bool> yes) {
    for (bool answer : yes) user.AnswerNext(DialogKind::YesNoBox, answer ? kResultYes : kResultNo);
  }
  std::vector<std::string> Messages() const { return user.Texts(DialogKind::KolapBox); }
  std::vector<std::string> Questions() const { return user.Texts(DialogKind::YesNoBox); }
  void ForgetBoxes() {
    user.shown.clear();
    user.texts.clear();
  }
};

}  // namespace tavel::testing
