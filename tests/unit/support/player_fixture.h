// A player window on the fakes, created as the entry sequence does, and a user who answers its
// boxes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dialogs/tm_set_box.h"
#include "dialogs/yes_no_box.h"
#include "player/player_window.h"
#include "player/window_number.h"
#include "support/fake_world.h"

namespace tavel::testing {

class PlayerFixture : public FakeWorld {
 protected:
  // The user reads each message box and presses "ＯＫ", answers questions with `yesNoAnswer`,
  // and in the count setting dialog spins to `countToSet` and presses "設 定" (or cancels when it
  // is negative); the texts are kept for the test.
  PlayerFixture() {
    desktop.AddBottomTaskbar(30);
    user.Answer(DialogKind::StackBox, kResultOk);
    user.Answer(DialogKind::YesNoBox, kResultNo);
    user.Answer(DialogKind::TmSetBox, kResultCancel);  // what is left open after a "no"
    user.Act(DialogKind::TmSetBox, [this](DialogForm& form) {
      auto& setting = static_cast<TTMSETBox&>(form);
      countSettings.push_back(setting.LMsg1.Caption() + "|" + setting.Label2.Caption());
      if (countToSet < 0) return;
      SpinTo(setting, countToSet);
      setting.Answer(kResultOk);
    });
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

  std::unique_ptr<TTAVEL32KOLAP> player;
  std::vector<std::string>& messages = user.texts[DialogKind::StackBox];
  std::vector<std::string>& questions = user.texts[DialogKind::YesNoBox];
  int& yesNoAnswer = user.answers[DialogKind::YesNoBox];  // 6 "はい", 7 "いいえ", 2 the close box
  int countToSet = -1;                     // what the user sets in the count dialog; < 0 cancels
  std::vector<std::string> countSettings;  // each count dialog's second line | value shown

 private:
  std::unique_ptr<MutexHandle> otherPlayerMark_;  // the running player has its number
};

}  // namespace tavel::testing
