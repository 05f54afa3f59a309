// A started player with sound files the fake device can play, for the playback and play order
// tests.
#pragma once

#include <string>
#include <vector>

#include "support/player_fixture.h"

namespace tavel::testing {

class PlaybackFixture : public PlayerFixture {
 protected:
  // A player on the play list of `entries` (full paths) with the given mode index and endless
  // switch; the path list is shown (not the name-only list) unless told otherwise.
  TTAVEL32KOLAP& StartWith(const std::vector<std::string>& entries, int mode, bool endless,
                           bool nameList = false) {
    Store("MEMORY", nameList ? "-1,-1,-1,-1,0,-1,1" : "-1,-1,-1,-1,0,-1,0");
    Store("SAISEIM", std::to_string(mode) + (endless ? ",1" : ",0") + ",0,0,-1,-1,-1,-1");
    Store("FILEHIS", "50");
    Start();
    player->ListBox2.Assign(entries);
    player->RebuildNameList();
    return *player;
  }
  // A file that exists and plays for `ms` milliseconds.
  std::string Sound(const std::string& path, int ms = 1500) {
    files.Put(path, "RIFF");
    mci.AddFile(path, ms);
    return path;
  }
  // Five playable files C:\M\S0.WAV .. S4.WAV of 1.5 s each.
  std::vector<std::string> FiveSounds() {
    std::vector<std::string> paths;
    for (int i = 0; i < 5; ++i) paths.push_back(Sound("C:\\M\\S" + std::to_string(i) + ".WAV"));
    return paths;
  }
  void Select(int index) { player->ListBox2.SetItemIndex(index); }

  // The step timers of the play chain that are armed right now.
  int ArmedSteps() const {
    int armed = 0;
    for (const Timer* t : {&player->Timer2, &player->Timer11, &player->Timer3, &player->Timer4}) {
      armed += ui.TimerArmed(*t) ? 1 : 0;
    }
    return armed;
  }
  // Lets time pass in small steps, checking between handlers that exactly one step is armed while
  // a sequence runs and none when it does not. Stops early when the sequence has ended.
  void Play(std::int64_t ms) {
    for (std::int64_t spent = 0; spent < ms && player->State.PlayActive; spent += 10) {
      ui.Advance(10);
      EXPECT_EQ(ArmedSteps(), player->State.PlayActive ? 1 : 0) << "at " << ui.Now();
    }
  }
  // The index of each file that started playing, in order.
  std::vector<int> PlayedIndexes(const std::vector<std::string>& entries) const {
    std::vector<int> indexes;
    for (const std::string& path : mci.started) {
      for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == path) indexes.push_back(static_cast<int>(i));
      }
    }
    return indexes;
  }
  bool Sent(const std::string& command) const { return mci.Count(command) > 0; }
  bool OpenSent() const {
    for (const std::string& c : mci.commands) {
      if (c.rfind("Open ", 0) == 0) return true;
    }
    return false;
  }
};

}  // namespace tavel::testing
