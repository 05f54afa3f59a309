// Choosing the entries of a list: folders, named files, playlists, and every reason to refuse one.
#include "listmaker/selection.h"

#include <gtest/gtest.h>

#include "support/listmaker_fakes.h"

namespace tavel::testing {
namespace {

class Selecting : public ::testing::Test {
 protected:
  Selection Select(const std::vector<std::string>& inputs, bool subfolders = false) {
    return SelectEntries(inputs, subfolders, files, codec);
  }
  static std::vector<Refusal> Reasons(const Selection& s) {
    std::vector<Refusal> reasons;
    for (const auto& r : s.refused) reasons.push_back(r.reason);
    return reasons;
  }
  FakeMusicFiles files;
  FakeCodec codec;
};

using Paths = std::vector<std::string>;

TEST_F(Selecting, AFolderGivesItsMusicFilesInNameOrderAndItsSubFoldersOnlyWhenAsked) {
  files.Put("C:\\M\\10 ten.wav");
  files.Put("C:\\M\\2 two.MID");
  files.Put("C:\\M\\cover.jpg");
  files.Put("C:\\M\\list.m3u");
  files.Put("C:\\M\\Apple.aiff");  // the player reads the type from the first three letters
  files.Put("C:\\M\\b\\x.snd");
  files.Put("C:\\M\\a\\y.rmi");
  files.Put("C:\\M\\a\\deep\\z.au");
  Selection flat = Select({"C:\\M"});
  EXPECT_EQ(flat.entries, (Paths{"C:\\M\\2 two.MID", "C:\\M\\10 ten.wav", "C:\\M\\Apple.aiff"}));
  EXPECT_TRUE(flat.refused.empty()) << "other types in a folder are no entries to refuse";

  Selection deep = Select({"C:\\M\\"}, true);
  EXPECT_EQ(deep.entries, (Paths{"C:\\M\\2 two.MID", "C:\\M\\10 ten.wav", "C:\\M\\Apple.aiff",
                                 "C:\\M\\a\\y.rmi", "C:\\M\\a\\deep\\z.au", "C:\\M\\b\\x.snd"}));
}

TEST_F(Selecting, NamesAreConvertedWholeOrRefusedNeverMangled) {
  files.Put(u8"C:\\曲\\ソ\\表.wav");
  files.Put(u8"C:\\曲\\ソ\\café.wav");
  files.Put(u8"C:\\曲\\ソ\\ｱ～.mid");
  files.Put(u8"C:\\曲\\ソ\\Émigré\\a.wav");
  Selection s = Select({u8"C:\\曲"}, true);
  // ソ and 表 end in the byte of a backslash: the folder still gets its own separator.
  // Kanji (lead bytes from 0x81) come before half-width kana (0xA1 to 0xDF).
  EXPECT_EQ(s.entries, (Paths{"C:\\曲\\ソ\\表.wav", "C:\\曲\\ソ\\ｱ～.mid"}));
  ASSERT_EQ(s.refused.size(), 2u);
  const std::string cafe = u8"C:\\曲\\ソ\\café.wav", emigre = u8"C:\\曲\\ソ\\Émigré";
  EXPECT_EQ(s.refused[0].path, cafe);
  EXPECT_EQ(s.refused[0].reason, Refusal::NotCp932);
  // A folder that code page 932 cannot name is refused once, with everything in it.
  EXPECT_EQ(s.refused[1].path, emigre);
  EXPECT_EQ(files.listed, (Paths{u8"C:\\曲", u8"C:\\曲\\ソ"}));
}

TEST_F(Selecting, NamesCodePage932LacksAreWrittenByTheVolumesShortNamesWhereItHasThem) {
  files.Put(u8"C:\\曲\\café.wav");
  files.Put(u8"C:\\曲\\b.wav");
  files.Put(u8"C:\\曲\\Émigré\\a.wav");
  files.Put(u8"C:\\曲\\Émigré\\한.wav");
  files.Put(u8"C:\\曲\\\U0001F600.wav");  // no short name: refused as before
  files.Put(u8"C:\\曲\\ñ.wav");           // a short name that is no better: refused
  files.shortNames = {{u8"C:\\曲\\café.wav", "CAFE~1.WAV"},
                      {u8"C:\\曲\\Émigré", "EMIGR~1"},
                      {u8"C:\\曲\\Émigré\\한.wav", "F~1.WAV"},
                      {u8"C:\\曲\\ñ.wav", u8"ñ.wav"},
                      {u8"C:\\曲\\b.wav", "B~1.WAV"}};  // not asked for: the long name serves
  Selection s = Select({u8"C:\\曲"}, true);
  // Short names sort as they are written, among the others.
  EXPECT_EQ(s.entries, (Paths{"C:\\曲\\b.wav", "C:\\曲\\CAFE~1.WAV", "C:\\曲\\EMIGR~1\\a.wav",
                              "C:\\曲\\EMIGR~1\\F~1.WAV"}));
  const std::string cafe = u8"C:\\曲\\café.wav", cafeWritten = u8"C:\\曲\\CAFE~1.WAV";
  const std::string korean = u8"C:\\曲\\Émigré\\한.wav";
  const std::string koreanWritten = u8"C:\\曲\\EMIGR~1\\F~1.WAV";
  ASSERT_EQ(s.shortened.size(), 3u);
  EXPECT_EQ(s.shortened[0].path, cafe);
  EXPECT_EQ(s.shortened[0].written, cafeWritten);
  EXPECT_EQ(s.shortened[2].path, korean);
  EXPECT_EQ(s.shortened[2].written, koreanWritten);
  EXPECT_EQ(Reasons(s), (std::vector<Refusal>{Refusal::NotCp932, Refusal::NotCp932}));

  // A named file and a playlist's entry take the same road, folder and name alike.
  files.Put(u8"C:\\P\\list.m3u8", u8"../曲/Émigré/한.wav\ncafé.wav\n");
  files.Put(u8"C:\\P\\café.wav");
  files.shortNames[u8"C:\\P\\café.wav"] = "CAFE~2.WAV";
  Selection named = Select({u8"C:\\P\\list.m3u8", u8"C:\\曲\\café.wav"});
  EXPECT_EQ(named.entries,
            (Paths{"C:\\曲\\EMIGR~1\\F~1.WAV", "C:\\P\\CAFE~2.WAV", "C:\\曲\\CAFE~1.WAV"}));
  EXPECT_EQ(named.shortened.size(), 3u);
  // The drive and a network path's server and share are never shortened.
  const std::string onServer = u8"\\\\sérveur\\share\\a.wav";
  files.Put(onServer);
  files.shortNames[u8"\\\\sérveur"] = "SERVEUR";
  EXPECT_EQ(Reasons(Select({onServer})), std::vector<Refusal>{Refusal::NotCp932});
}

TEST_F(Selecting, PathsLongerThanThePlayersFileFunctionsTakeAreRefused) {
  // 259 bytes and its terminating zero fill MAX_PATH. The MCI open command would take up to 279.
  const std::string folder = "C:\\" + std::string(200, 'f');
  const std::string fits = folder + "\\" + std::string(51, 'n') + ".wav";
  const std::string tooLong = folder + "\\" + std::string(52, 'n') + ".wav";
  ASSERT_EQ(fits.size(), 259u);
  files.Put(fits);
  files.Put(tooLong);
  Selection s = Select({folder, tooLong});
  EXPECT_EQ(s.entries, Paths{fits});
  EXPECT_EQ(Reasons(s), (std::vector<Refusal>{Refusal::TooLong, Refusal::TooLong}));

  // A folder so long that nothing in it could play is not even read.
  const std::string deep = "C:\\" + std::string(256, 'd');
  files.Put(deep + "\\a.wav");
  files.listed.clear();
  EXPECT_EQ(Reasons(Select({deep})), std::vector<Refusal>{Refusal::TooLong});
  EXPECT_TRUE(files.listed.empty());
}

TEST_F(Selecting, NamedFilesKeepTheGivenOrderAndAreRefusedForTheirTypeOrAbsence) {
  files.Put("C:\\M\\b.wav");
  files.Put("C:\\M\\a.mid");
  files.Put("C:\\M\\notes.txt");
  files.Put(u8"C:\\M\\x.wavあ\\no extension");
  files.PutFolder("C:\\Locked");
  files.unreadable.insert("C:\\Locked");
  Selection s = Select({"C:\\M\\b.wav", "C:\\M\\notes.txt", "C:\\M\\gone.wav", "C:\\Locked",
                        "C:\\M\\a.mid", u8"C:\\M\\x.wavあ\\no extension"});
  EXPECT_EQ(s.entries, (Paths{"C:\\M\\b.wav", "C:\\M\\a.mid"}));
  EXPECT_EQ(Reasons(s), (std::vector<Refusal>{Refusal::UnknownType, Refusal::Missing,
                                              Refusal::Unreadable, Refusal::UnknownType}));
  EXPECT_EQ(s.refused[1].path, "C:\\M\\gone.wav");
}

TEST_F(Selecting, AnM3u8PlaylistGivesItsEntriesInItsOrderResolvedAgainstItsFolder) {
  files.Put(u8"C:\\P\\曲\\あ.wav");
  files.Put("C:\\P\\z.wav");
  files.Put("C:\\Other\\y.mid");
  files.Put("D:\\x.au");
  files.PutFolder("C:\\P\\folder.wav");
  files.Put(u8"C:\\P\\list.m3u8",
            std::string("\xEF\xBB\xBF") +
                u8"#EXTM3U\r\n#EXTINF:12,Title\r\nz.wav\r\n\r\n  曲/あ.wav \n"
                u8"..\\Other\\.\\y.mid\n\\Other\\y.mid\nD:\\x.au\nhttp://radio.example/s.mp3\n"
                u8"missing.wav\nfolder.wav\nimage.png\ncafé.wav\n");
  Selection s = Select({"C:\\P\\list.m3u8"});
  EXPECT_EQ(s.entries, (Paths{"C:\\P\\z.wav", "C:\\P\\曲\\あ.wav", "C:\\Other\\y.mid",
                              "C:\\Other\\y.mid", "D:\\x.au"}));
  EXPECT_EQ(Reasons(s),
            (std::vector<Refusal>{Refusal::NotAFile, Refusal::Missing, Refusal::NotAFile,
                                  Refusal::UnknownType, Refusal::NotCp932}));
  EXPECT_EQ(s.refused[1].path, "C:\\P\\missing.wav");
}

TEST_F(Selecting, AnM3uPlaylistIsCodePage932TextAndABadLineIsRefusedAlone) {
  files.Put(u8"C:\\P\\ソ.wav");
  files.Put("C:\\P\\b.wav");
  // Written by the compiler in code page 932: ソ is 83 5C. Then a lone lead byte.
  files.Put("C:\\P\\old.M3U", std::string("ソ.wav\r\n") + "\x83\r\nb.wav\r\n");
  files.Put("C:\\P\\gone.m3u");
  files.unreadable.insert("C:\\P\\gone.m3u");
  Selection s = Select({"C:\\P\\old.M3U", "C:\\P\\gone.m3u"});
  EXPECT_EQ(s.entries, (Paths{"C:\\P\\ソ.wav", "C:\\P\\b.wav"}));
  EXPECT_EQ(Reasons(s), (std::vector<Refusal>{Refusal::BadPlaylistText, Refusal::Unreadable}));
  EXPECT_EQ(s.refused[0].path, "?");
}

}  // namespace
}  // namespace tavel::testing
