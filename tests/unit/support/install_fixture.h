// The install dialogue on the headless windowing system, with fakes of the registry, files and
// screen, and a user who answers every box as the test says.
#pragma once

#include <string>
#include <vector>

#include "support/setup_world.h"

namespace tavel::testing {

class InstallFixture : public SetupWorld {
 protected:
  InstallFixture() {
    // The program as delivered: both files in a folder of their own on drive D.
    process.path = "D:\\DELIVERY\\TaVEL32.EXE";
    files.PutFolder("C:\\");
    files.PutFolder("D:\\");
    files.PutFolder("D:\\DELIVERY");
    files.Put("D:\\DELIVERY\\TaVEL32.EXE", std::string(70000, 'x')).stamp = kExeStamp;
    files.Put("D:\\DELIVERY\\TaVEL32.TXT", "help").stamp = kTextStamp;
    // The user reads each notice and presses "ＯＫ", and answers each question with `answer`.
    user.Answer(DialogKind::KolapBox, kResultOk);
    user.Answer(DialogKind::YesNoBox, kResultYes);
  }

  // Opens the install dialogue as a fresh start does.
  TTVLSETUPForm& Open() {
    window = std::make_unique<TTVLSETUPForm>(app, services, entry);
    window->Show();
    return *window;
  }

  // Opens the dialogue, lets the user fill in the folder, and presses 設定.
  TTVLSETUPForm& InstallInto(const std::string& folder) {
    TTVLSETUPForm& w = Open();
    messages.clear();
    w.Edit1.TextFromWindow(folder);
    w.Button3.Click();
    return w;
  }

  std::string Product(const std::string& name) const { return registry.Get(kProductKey, name); }
  std::string Settings(const std::string& name) const {
    return registry.Get(kSettingsKeyPath, name);
  }
  std::string Uninstall(const std::string& name) const {
    return registry.Get(kEntryKey, name, RegistryRoot::LocalMachine);
  }
  bool WroteAnyValue() const {
    for (const std::string& entry : registry.accessLog) {
      if (entry.rfind("write ", 0) == 0) return true;
    }
    return false;
  }

  static constexpr FileStamp kExeStamp = 0x01BC000011112222ull;
  static constexpr FileStamp kTextStamp = 0x01BC000033334444ull;

  std::vector<std::string>& messages = user.texts[DialogKind::KolapBox];
  std::vector<std::string>& questions = user.texts[DialogKind::YesNoBox];
  int& answer = user.answers[DialogKind::YesNoBox];  // 6 "はい", 7 "いいえ"
};

}  // namespace tavel::testing
