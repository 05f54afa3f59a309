// A test that starts the installed player in its own sandbox and closes it at the end.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "harness.h"

namespace tavel::e2e {

class StartedPlayer : public ::testing::Test {
 protected:
  // Marks the program installed, stores `settings` and starts the player; returns when it shows
  // the caption of player 1 at rest.
  void StartPlayer(const std::vector<std::pair<std::string, std::string>>& settings = {}) {
    ASSERT_TRUE(box.Ready());
    ASSERT_TRUE(box.Settings().Write("Version", "11"));
    for (const auto& [name, value] : settings) ASSERT_TRUE(box.Settings().Write(name, value));
    process = &box.Start();
    player = process->WaitForWindow(kPlayerClass);
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Caption(player) == kIdleTitle; }, kWindowTimeoutMs));
  }
  void ClosePlayer() {
    RequestClose(player);
    ASSERT_TRUE(process->WaitForExit());
  }

  Sandbox box;
  TestProcess* process = nullptr;
  HWND player = nullptr;
};

}  // namespace tavel::e2e
