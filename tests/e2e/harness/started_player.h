// A test that starts the installed player in its own sandbox and closes it at the end.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"

namespace tavel::e2e {

// Values of the settings key by name.
using SettingValues = std::vector<std::pair<std::string, std::string>>;

class StartedPlayer : public ::testing::Test {
 protected:
  // Marks the program installed, stores `settings` and starts the player; returns when it shows
  // `caption`, the caption of player 1 at rest unless told otherwise.
  void StartPlayer(const SettingValues& settings = {}, const std::string& caption = kIdleTitle) {
    ASSERT_TRUE(box.Ready());
    ASSERT_TRUE(box.MarkInstalled());
    for (const auto& [name, value] : settings) ASSERT_TRUE(box.Settings().Write(name, value));
    player = StartAnotherPlayer(process, caption);
    ASSERT_NE(player, nullptr) << "the player never showed " << caption;
  }
  // Starts one more player; its window once it shows `caption`, else null.
  HWND StartAnotherPlayer(TestProcess*& started, const std::string& caption) {
    started = &box.Start();
    HWND window = started->WaitForWindow(kPlayerClass);
    if (!window || !WaitUntil([&] { return Caption(window) == caption; }, kWindowTimeoutMs)) {
      return nullptr;
    }
    return window;
  }
  void ClosePlayer() { ClosePlayer(*process, player); }
  // Asks a player to close, as its close box does, and checks that it ends with code 0.
  static void ClosePlayer(TestProcess& started, HWND window) {
    RequestClose(window);
    ASSERT_TRUE(started.WaitForExit());
    EXPECT_EQ(started.ExitCode(), std::optional<DWORD>(0));
  }

  Sandbox box;
  TestProcess* process = nullptr;
  HWND player = nullptr;
};

// Continuous play from the first entry of M0, not endless, full paths shown, a history of ten.
inline const SettingValues kContinuousPlay = {{"SAISEIM", "0,0,0,0,-1,-1,-1,-1"},
                                              {"MEMORY", "1,1,1,1,0,1,0"},
                                              {"FILEHIS", "10"},
                                              {"INDEX", "0,-1"}};

}  // namespace tavel::e2e
