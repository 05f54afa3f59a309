// A player window on the headless windowing system with a fake registry, screen and clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/message_box_form.h"
#include "dialogs/yes_no_box.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_mci.h"
#include "fakes/fake_process.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_tray.h"
#include "platform/services.h"
#include "player/player_window.h"
#include "ui/application.h"
#include "ui/headless_ui.h"

namespace tavel::testing {

class PlayerFixture : public ::testing::Test {
 protected:
  PlayerFixture() {
    desktop.AddBottomTaskbar(30);
    // The user reads each message box and presses "ＯＫ"; the texts are kept for the test.
    ui.OnModal = [this](Form& form) {
      if (auto* box = dynamic_cast<MessageBoxForm*>(&form)) {
        messages.push_back(box->Msg.Caption());
        box->Button1.Click();
      }
      // Questions are answered with `yesNoAnswer`: 6 "はい", 7 "いいえ", 2 the title bar's close.
      if (auto* question = dynamic_cast<TYesNoBox*>(&form)) {
        questions.push_back(question->Msg.Caption());
        if (yesNoAnswer == kResultYes) question->Button1.Click();
        if (yesNoAnswer == kResultNo) question->Button2.Click();
        if (!form.IsClosed()) form.Close();
      }
    };
  }

  // Creates the player window as the entry sequence does; `otherPlayer` is a player that was
  // already running.
  TTAVEL32KOLAP& Create(bool otherPlayer = false) {
    EntryState entry;
    entry.OtherPlayerWindow = otherPlayer ? 0x4242 : 0;
    player = std::make_unique<TTAVEL32KOLAP>(app, services, entry);
    return *player;
  }
  // Creates the window and runs the staged start-up, which starts half a second later.
  TTAVEL32KOLAP& Start(bool otherPlayer = false) {
    Create(otherPlayer);
    player->Show();
    ui.Advance(500);
    return *player;
  }
  std::string Setting(const std::string& name) const {
    return registry.Get(kSettingsKeyPath, name);
  }
  void Store(const std::string& name, const std::string& value) {
    registry.Set(kSettingsKeyPath, name, value);
  }

  HeadlessUi ui;
  Application app{ui};
  FakeRegistry registry;
  FakeDesktop desktop;
  FakeProcess process;
  FakeClock clock;
  FakeFileSystem files;
  FakeMci mci{ui};
  FakeTray tray;
  Services services{registry, desktop, process, clock, files, mci, tray};
  std::unique_ptr<TTAVEL32KOLAP> player;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  int yesNoAnswer = kResultNo;
};

}  // namespace tavel::testing
