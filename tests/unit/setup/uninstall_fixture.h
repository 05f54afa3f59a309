// The hidden setup window in its uninstall roles on the headless windowing system, with an
// installed program in the fakes and a user who answers each question from a script.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/message_box_form.h"
#include "dialogs/yes_no_box.h"
#include "fakes/headless_program.h"
#include "setup/setup_window.h"

namespace tavel::testing {

class UninstallFixture : public ::testing::Test, protected HeadlessProgram {
 protected:
  static constexpr const char* kExe = "C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE";
  static constexpr const char* kFolder = "C:\\KoLAPP32\\TaVIN32";
  static constexpr const char* kCopy = "C:\\WINDOWS\\unin_kolap000.exe";
  static constexpr const char* kMakerKey = ".Default\\Software\\KOLAP SOFT32";
  static constexpr const char* kProductKey = ".Default\\Software\\KOLAP SOFT32\\TaVEL32";
  static constexpr const char* kEntryKey =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TaVEL32";
  static constexpr const char* kMapGroupsKey =
      ".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
  static constexpr const char* kHandoffKey = ".Default\\Software\\Unin_KOLAP SOFT32";

  UninstallFixture() {
    app.SetTitle("楽蔵32");
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
    // The user reads each notice and presses "ＯＫ"; questions take the next scripted answer,
    // "いいえ" when the script has run out.
    ui.OnModal = [this](Form& form) {
      if (auto* box = dynamic_cast<MessageBoxForm*>(&form)) {
        messages.push_back(box->Msg.Caption());
        box->Button1.Click();
      }
      if (auto* question = dynamic_cast<TYesNoBox*>(&form)) {
        questions.push_back(question->Msg.Caption());
        bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        (yes ? question->Button1 : question->Button2).Click();
      }
    };
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

  EntryState entry;
  std::unique_ptr<TTVLSETUPForm> window;
  std::deque<bool> answers;  // the user's answers to the questions, in order
  std::vector<std::string> messages;
  std::vector<std::string> questions;
};

}  // namespace tavel::testing
