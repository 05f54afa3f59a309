// The keyboard's media keys: which button each key stands for in each state of the player, and
// when a key does nothing at all.
#include "player/media_keys.h"

#include <gtest/gtest.h>

#include "support/playback_fixture.h"

namespace tavel {
namespace {

using Command = MediaKeyCommand;
using Route = MediaKeyRoute;

MediaKeySituation Situation(bool playing, bool heldByStop, bool boxOpen = false) {
  return {true, boxOpen, true, playing, heldByStop};
}

TEST(MediaKeyCommands, EachKeyIsItsButtonUnlessABoxIsOpenOrThePlayerHoldsItAsAHotKey) {
  const MediaKeySituation idle = Situation(false, false), playing = Situation(true, false),
                          held = Situation(true, true);
  EXPECT_EQ(CommandForMediaKey(MediaKey::PlayPause, Route::HotKey, idle), Command::Start);
  EXPECT_EQ(CommandForMediaKey(MediaKey::PlayPause, Route::HotKey, playing), Command::Stop);
  EXPECT_EQ(CommandForMediaKey(MediaKey::PlayPause, Route::HotKey, held), Command::PlayOn);
  const std::pair<MediaKey, Command> others[] = {{MediaKey::NextTrack, Command::Skip},
                                                 {MediaKey::PreviousTrack, Command::BackSkip},
                                                 {MediaKey::Stop, Command::Abort}};
  for (auto [key, command] : others) {
    for (const MediaKeySituation& s : {idle, playing, held}) {
      EXPECT_EQ(CommandForMediaKey(key, Route::HotKey, s), command);
    }
  }
  for (MediaKey key : kMediaKeys) {
    MediaKeySituation s = Situation(true, false, true);
    EXPECT_EQ(CommandForMediaKey(key, Route::HotKey, s), Command::None) << "a box is open";
    s = Situation(false, false);
    s.ready = false;
    EXPECT_EQ(CommandForMediaKey(key, Route::HotKey, s), Command::None) << "starting up";
    // A held key arrives as its hot key; as a command too it would be pressed twice.
    s = Situation(false, false);
    EXPECT_EQ(CommandForMediaKey(key, Route::AppCommand, s), Command::None);
    s.keyTaken = false;
    EXPECT_EQ(CommandForMediaKey(key, Route::AppCommand, s),
              CommandForMediaKey(key, Route::HotKey, Situation(false, false)));
  }
}

class PlayerMediaKeys : public testing::PlaybackFixture {};

TEST_F(PlayerMediaKeys, TakenAtTheEndOfTheStartUpDeafWhileABoxIsOpenAndGivenBackAtTheClose) {
  hotKeys.heldElsewhere = {VirtualKeyOf(MediaKey::NextTrack)};
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  EXPECT_EQ(hotKeys.held.size(), 3u) << "every key but the one another program holds";
  user.Act(DialogKind::StackBox, [&](DialogForm&) {
    p.OnHotKey(HotKeyIdOf(MediaKey::PlayPause));
    ui.Advance(500);
  });
  p.StackBoxDlg1.ShowMsg("ok?");
  EXPECT_EQ(p.State.PlayActive, 0);
  EXPECT_TRUE(p.OnAppCommand(11)) << "the key held elsewhere, while the window has the focus";
  Play(300);
  EXPECT_EQ(mci.started.size(), 1u);
  EXPECT_FALSE(p.OnAppCommand(10)) << "volume up is the system's";
  p.Close();
  EXPECT_TRUE(hotKeys.held.empty());
}

}  // namespace
}  // namespace tavel
