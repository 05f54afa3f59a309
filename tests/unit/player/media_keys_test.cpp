// The keyboard's media keys: which button each key stands for in each state of the player, and
// when a key does nothing at all.
#include "player/media_keys.h"

#include <gtest/gtest.h>

#include "player/playback_fixture.h"

namespace tavel {
namespace {

using Command = MediaKeyCommand;

MediaKeySituation Situation(bool playing, bool heldByStop) {
  MediaKeySituation s;
  s.ready = true;
  s.keyTaken = true;
  s.playing = playing;
  s.heldByStop = heldByStop;
  return s;
}

Command HotKey(MediaKey key, const MediaKeySituation& s) {
  return CommandForMediaKey(key, MediaKeyRoute::HotKey, s);
}

TEST(MediaKeyCommands, PlayPauseStartsStopsAndPlaysOnTheOthersAreTheirButtons) {
  const MediaKeySituation idle = Situation(false, false), playing = Situation(true, false),
                          held = Situation(true, true);
  EXPECT_EQ(HotKey(MediaKey::PlayPause, idle), Command::Start);
  EXPECT_EQ(HotKey(MediaKey::PlayPause, playing), Command::Stop);
  EXPECT_EQ(HotKey(MediaKey::PlayPause, held), Command::PlayOn);
  // A sequence that ended with ■ still holding its last file is over: the key starts anew.
  EXPECT_EQ(HotKey(MediaKey::PlayPause, Situation(false, true)), Command::Start);
  for (const MediaKeySituation& s : {idle, playing, held}) {
    EXPECT_EQ(HotKey(MediaKey::NextTrack, s), Command::Skip);
    EXPECT_EQ(HotKey(MediaKey::PreviousTrack, s), Command::BackSkip);
    EXPECT_EQ(HotKey(MediaKey::Stop, s), Command::Abort);
  }
}

TEST(MediaKeyCommands, NoKeyActsWhileABoxIsOpenBeforeTheStartUpEndsOrTwiceForOnePress) {
  for (MediaKey key : kMediaKeys) {
    for (bool playing : {false, true}) {
      MediaKeySituation box = Situation(playing, false);
      box.boxOpen = true;
      EXPECT_EQ(HotKey(key, box), Command::None);
      EXPECT_EQ(CommandForMediaKey(key, MediaKeyRoute::AppCommand, box), Command::None);
      MediaKeySituation starting = Situation(playing, false);
      starting.ready = false;
      EXPECT_EQ(HotKey(key, starting), Command::None);
    }
    // A key the player holds arrives as its hot key; the same key as an application command
    // would be a second press. A key held elsewhere comes only as the command.
    MediaKeySituation idle = Situation(false, false);
    EXPECT_EQ(CommandForMediaKey(key, MediaKeyRoute::AppCommand, idle), Command::None);
    idle.keyTaken = false;
    EXPECT_EQ(CommandForMediaKey(key, MediaKeyRoute::AppCommand, idle),
              HotKey(key, Situation(false, false)));
  }
}

TEST(MediaKeyCodes, EachKeyHasItsOwnHotKeyAndOtherCommandsAreLeftToTheSystem) {
  for (MediaKey key : kMediaKeys) {
    EXPECT_NE(HotKeyIdOf(key), 0);
    EXPECT_EQ(MediaKeyOfHotKey(HotKeyIdOf(key)), key);
  }
  EXPECT_EQ(MediaKeyOfHotKey(0), std::nullopt);
  // APPCOMMAND_MEDIA_PLAY_PAUSE and APPCOMMAND_MEDIA_STOP; volume up (10) and browser back (1)
  // are the system's.
  EXPECT_EQ(MediaKeyOfAppCommand(14), MediaKey::PlayPause);
  EXPECT_EQ(MediaKeyOfAppCommand(13), MediaKey::Stop);
  EXPECT_EQ(MediaKeyOfAppCommand(10), std::nullopt);
  EXPECT_EQ(MediaKeyOfAppCommand(1), std::nullopt);
}

class PlayerMediaKeys : public testing::PlaybackFixture {
 protected:
  void Press(MediaKey key) { player->OnHotKey(HotKeyIdOf(key)); }
};

TEST_F(PlayerMediaKeys, TakenAtTheEndOfTheStartUpDeafWhileABoxIsOpenAndGivenBackAtTheClose) {
  hotKeys.heldElsewhere = {VirtualKeyOf(MediaKey::NextTrack)};
  TTAVEL32KOLAP& p = StartWith(FiveSounds(), 0, false);
  EXPECT_EQ(hotKeys.held.size(), 3u) << "every key but the one another program holds";

  user.Act(DialogKind::StackBox, [&](DialogForm&) {
    Press(MediaKey::PlayPause);
    ui.Advance(500);
  });
  p.StackBoxDlg1.ShowMsg("ok?");
  EXPECT_EQ(p.State.PlayActive, 0);

  // The key held elsewhere comes only to the focused window, as its application command; a key
  // the player holds is taken no second time that way.
  EXPECT_TRUE(p.OnAppCommand(11));
  Play(300);
  EXPECT_EQ(mci.started.size(), 1u);
  EXPECT_TRUE(p.OnAppCommand(13));
  Play(1500);
  EXPECT_EQ(p.State.PlayActive, 1);
  EXPECT_FALSE(p.OnAppCommand(10)) << "volume up is the system's";
  Press(MediaKey::Stop);
  Play(1500);
  EXPECT_EQ(p.State.PlayActive, 0);

  p.Close();
  EXPECT_TRUE(hotKeys.held.empty());
}

}  // namespace
}  // namespace tavel
