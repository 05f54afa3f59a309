// Paths in playlists made full, and the order of names a user expects.
#include "listmaker/playlist.h"

#include <gtest/gtest.h>

#include "listmaker/natural_order.h"

namespace tavel {
namespace {

TEST(PlaylistEntryPaths, AreResolvedAgainstThePlaylistsFolder) {
  const std::string folder = "C:\\Music\\Lists\\";
  EXPECT_EQ(ResolveEntry(folder, "a.wav"), "C:\\Music\\Lists\\a.wav");
  EXPECT_EQ(ResolveEntry(folder, "sub/b.wav"), "C:\\Music\\Lists\\sub\\b.wav");
  EXPECT_EQ(ResolveEntry(folder, "..\\..\\..\\..\\c.wav"), "C:\\c.wav") << "never above the root";
  EXPECT_EQ(ResolveEntry(folder, ".\\x\\\\..\\d.wav"), "C:\\Music\\Lists\\d.wav");
  EXPECT_EQ(ResolveEntry(folder, "\\Other\\e.wav"), "C:\\Other\\e.wav");
  EXPECT_EQ(ResolveEntry(folder, "D:\\f.wav"), "D:\\f.wav");
  EXPECT_EQ(ResolveEntry(folder, "d:/g/../h.wav"), "d:\\h.wav");
  EXPECT_EQ(ResolveEntry("\\\\srv\\share\\lists\\", "..\\..\\i.wav"), "\\\\srv\\share\\i.wav");
  EXPECT_EQ(ResolveEntry("\\\\srv\\share\\lists\\", "\\j.wav"), "\\\\srv\\share\\j.wav");
  EXPECT_TRUE(IsAddress("http://example.com/a.mp3"));
  EXPECT_TRUE(IsAddress("file:///C:/a.wav"));
  EXPECT_FALSE(IsAddress("C:\\a.wav"));
}

TEST(PlaylistEntryPaths, ComeFromTheLinesThatAreNotCommentsOrBlank) {
  EXPECT_EQ(
      PlaylistEntries("\xEF\xBB\xBF#EXTM3U\n\t a.wav\t\r\n# note\r\n   \r\n#EXTINF:1,T\rb.wav"),
      (std::vector<std::string>{"a.wav", "b.wav"}));
  EXPECT_TRUE(IsPlaylist("C:\\x.M3U8"));
  EXPECT_FALSE(IsPlaylist("C:\\x.m3u.wav"));
  EXPECT_TRUE(IsUtf8Playlist("x.m3U8", "a"));
  EXPECT_TRUE(IsUtf8Playlist("x.m3u",
                             "\xEF\xBB\xBF"
                             "a"));
  EXPECT_FALSE(IsUtf8Playlist("x.m3u", "a"));
}

TEST(NaturalNameOrder, PutsNumbersByValueAndIgnoresTheCaseOfLetters) {
  std::vector<std::string> names{"track10.wav", "Track2.wav", "track02.wav", "b.wav",  "A.wav",
                                 "a.wav",       "10.wav",     "9.wav",       "曲.wav", "ｱ.wav"};
  std::sort(names.begin(), names.end(), NaturalLess);
  EXPECT_EQ(names,
            (std::vector<std::string>{"9.wav", "10.wav", "A.wav", "a.wav", "b.wav", "Track2.wav",
                                      "track02.wav", "track10.wav", "曲.wav", "ｱ.wav"}));
}

TEST(NaturalNameOrder, KeepsDoubleByteCharactersWhole) {
  // ソ is 83 5C and ゾ 83 5D: the second bytes are no letters or digits to fold or count.
  EXPECT_TRUE(NaturalLess("ソ2", "ゾ1"));
  // Second bytes that are the codes of 'A' and 'a' are not letters: no case folding there.
  EXPECT_TRUE(NaturalLess("\x82\x41", "\x82\x61"));
  EXPECT_FALSE(NaturalLess("\x82\x61", "\x82\x41"));
  EXPECT_TRUE(NaturalLess("a", "a1"));
  EXPECT_FALSE(NaturalLess("x", "x"));
}

}  // namespace
}  // namespace tavel
