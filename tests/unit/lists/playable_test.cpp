// Tests of what the player plays: the type of a path, the types taken and the open command's limit.
#include "lists/playable.h"

#include <gtest/gtest.h>

#include <utility>

namespace tavel {
namespace {

TEST(PlayableFiles, TheTypeIsTheFirstThreeLettersOfTheExtensionInCapitals) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\M\\SONG.midi", "MID"}, {"C:\\M\\bell.au", "AU "}, {"C:\\M.X\\README", "   "},
      {"C:\\M\\TUNE.", "   "},     {"C:\\M\\A.B.Wav", "WAV"},
  };
  for (const auto& [path, type] : cases) EXPECT_EQ(FileTypeKey(path), type) << path;
}

TEST(PlayableFiles, MP3AndWMAAreAddedToTheSixOnlyWhenAsked) {
  const std::vector<std::string> six = PlayableTypes(), eight = PlayableTypes(true);
  // Trail bytes 0x5C (ソ, 表) are no separators.
  for (const char* path :
       {"C:\\M\\a.wav", "C:\\M\\b.MIDI", "C:\\M\\c.au", "C:\\M\\d.snd", "C:\\ソ\\表.rmi"})
    EXPECT_TRUE(IsPlayableType(path, six) && IsPlayableType(path, eight)) << path;
  for (const char* path : {"C:\\M\\Song.mp3", "C:\\M\\SONG.WMA", "C:\\ソ\\表.Mp3"})
    EXPECT_TRUE(!IsPlayableType(path, six) && IsPlayableType(path, eight)) << path;
  // Neighbours of the two that MCI would open as video or not at all.
  for (const char* path : {"C:\\M\\clip.mp4", "C:\\M\\clip.wmv", "C:\\M\\mp3", "C:\\MP3.X\\a"})
    EXPECT_FALSE(IsPlayableType(path, eight)) << path;
}

TEST(PlayableFiles, TheOpenCommandFitsPathsOfUpTo279Characters) {
  EXPECT_EQ(*OpenCommand("C:\\A.WAV"), "Open \"C:\\A.WAV\" alias Kolap wait");
  EXPECT_EQ(OpenCommand(std::string(279, 'x'))->size(), kMciCommandCapacity);
  EXPECT_FALSE(OpenCommand(std::string(280, 'x')));
}

}  // namespace
}  // namespace tavel
