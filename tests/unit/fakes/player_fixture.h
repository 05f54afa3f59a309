// A player window on the headless windowing system with a fake registry, screen and clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/message_box_form.h"
#include "dialogs/tm_set_box.h"
#include "dialogs/yes_no_box.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_mci.h"
#include "fakes/fake_named_mutex.h"
#include "fakes/fake_process.h"
#include "fakes/fake_progman.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_tray.h"
#include "platform/services.h"
#include "player/player_window.h"
#include "player/window_number.h"
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
      // The count setting dialog: the user spins to `countToSet` and presses "設 定", or cancels
      // when it is negative; the confirmation is answered with `yesNoAnswer`.
      if (auto* setting = dynamic_cast<TTMSETBox*>(&form)) {
        countSettings.push_back(setting->LMsg1.Caption() + "|" + setting->Label2.Caption());
        if (countToSet >= 0) {
          SpinTo(*setting, countToSet);
          setting->Button1.Click();
        }
        if (!form.IsClosed()) form.Close();
      }
    };
  }

  // Clicks the arrows, the largest step first, until the dialog shows `target` (0 .. 32700).
  static void SpinTo(TTMSETBox& box, int target) {
    for (int clicks = 0; TmSetBoxState.count != target && clicks < 1000; ++clicks) {
      int diff = target - TmSetBoxState.count;
      int size = diff < 0 ? -diff : diff;
      SpinButton& spin = size >= 60   ? box.SpinButton3
                         : size >= 10 ? box.SpinButton2
                                      : box.SpinButton1;
      if (diff > 0) spin.OnUpClick();
      if (diff < 0) spin.OnDownClick();
    }
  }

  // Creates the player window as the entry sequence does; `otherPlayer` is a player that was
  // already running, with its number.
  TTAVEL32KOLAP& Create(bool otherPlayer = false) {
    otherPlayerMark_ = otherPlayer ? mutexes.Keep(kNumberedPlayerMark) : nullptr;
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
  FakeProgman progman;
  FakeNamedMutexes mutexes;
  Services services{registry, desktop, process, clock, files, mci, tray, progman, mutexes};
  std::unique_ptr<TTAVEL32KOLAP> player;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  int yesNoAnswer = kResultNo;
  int countToSet = -1;                     // what the user sets in the count dialog; < 0 cancels
  std::vector<std::string> countSettings;  // each count dialog's second line | value shown

 private:
  std::unique_ptr<MutexHandle> otherPlayerMark_;  // the running player has its number
};

}  // namespace tavel::testing
