// TAVLIST.EXE under Windows: a memory made from a folder of real music files, with a name code
// page 932 cannot hold written by its short name, is loaded and played by the player.
#include <cstdlib>
#include <string>

#include "harness/started_player.h"
#include "wav.h"

namespace tavel::e2e {
namespace {

// TAVLIST.EXE as built (from TAVEL_TAVLIST), as a Windows path.
std::string BuiltListMakerPath() {
  const char* path = std::getenv("TAVEL_TAVLIST");
  return path ? WindowsPathOf(path) : "";
}

// Writes a sound file by a name that code page 932 may lack; gives the short name the volume keeps
// for it, in code page 932 (empty when there is none).
std::string SoundWithShortName(const std::wstring& path, int ms) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  const std::string bytes = WavBytes(ms);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  wchar_t shortPath[MAX_PATH] = {};
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "";
  const std::wstring whole(shortPath, length);
  return ToCp932(whole.substr(whole.find_last_of(L'\\') + 1));
}

class ListMakerRun : public StartedPlayer {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.Ready());
    // Beside the player, where it writes its lists unless told otherwise.
    ASSERT_TRUE(CopyFileA(BuiltListMakerPath().c_str(), box.PathOf("TAVLIST.EXE").c_str(), FALSE))
        << "TAVEL_TAVLIST: " << BuiltListMakerPath();
  }
  // Runs TAVLIST.EXE with the arguments and gives its exit code.
  std::optional<DWORD> ListMaker(const std::string& arguments) {
    TestProcess run(box.PathOf("TAVLIST.EXE"), arguments, box.Folder());
    if (!run.WaitForExit()) return std::nullopt;
    return run.ExitCode();
  }
};

TEST_F(ListMakerRun, AListMadeFromAFolderIsPlayedInNameOrder) {
  // ソ and 表 end in the byte of a backslash; é is no character of code page 932, so café.wav is
  // written by the short name the volume keeps for it (Wine keeps one for every long name).
  const std::string music = box.PathOf("ソ曲\\");
  ASSERT_TRUE(MakeFolders(music + "表"));
  ASSERT_TRUE(WriteBytes(music + "10 three.wav", WavBytes(700, 660)));
  ASSERT_TRUE(WriteBytes(music + "2 two.wav", WavBytes(700, 550)));
  ASSERT_TRUE(WriteBytes(music + "notes.txt", "not music"));
  ASSERT_TRUE(WriteBytes(music + "表\\1 four.wav", WavBytes(700, 770)));
  const std::string cafe = SoundWithShortName(FromCp932(music) + L"caf\u00e9.wav", 700);
  ASSERT_FALSE(cafe.empty());

  const std::string folder = "\"" + music.substr(0, music.size() - 1) + "\"";
  EXPECT_EQ(ListMaker("M0 /S " + folder), std::optional<DWORD>(0));
  const std::string list = music + "2 two.wav\r\n" + music + "10 three.wav\r\n" + music + cafe +
                           "\r\n" + music + "表\\1 four.wav\r\n";
  ASSERT_EQ(box.ReadFile("TaVM32M0.LIS"), std::optional<std::string>(list));
  // A second run leaves the list alone unless it is asked to replace or append.
  EXPECT_EQ(ListMaker("M0 " + folder), std::optional<DWORD>(4));
  EXPECT_EQ(box.ReadFile("TaVM32M0.LIS"), std::optional<std::string>(list));

  StartPlayer(kContinuousPlay);
  HWND combo = WaitForControl(player, "ComboBox1");
  EXPECT_EQ(ComboItems(combo).at(0), "M0 : 4ｺ");
  ASSERT_TRUE(Click(WaitForControl(player, "Button2")));
  // Every entry played, in the list's order: the history holds them all once playing ends.
  EXPECT_TRUE(WaitUntil(
      [&] { return ComboItems(combo).at(10) == "HIS: 4ｺ" && Caption(player) == kIdleTitle; },
      60000));
  ClosePlayer();
  EXPECT_EQ(box.ReadFile("TaVO32MH.LIS"), std::optional<std::string>(list));
}

TEST_F(ListMakerRun, PlaylistsAreReadInTheirOwnTextAndKeepTheirOrder) {
  const std::string music = box.PathOf("曲\\");
  ASSERT_TRUE(MakeFolders(music + "ソ"));
  ASSERT_TRUE(WriteBytes(music + "b.wav", WavBytes(300)));
  ASSERT_TRUE(WriteBytes(music + "ソ\\～.wav", WavBytes(300)));  // U+FF5E, 81 60 in code page 932
  // U+301C looks the same, but code page 932 has no character for it; nor for Korean or emoji.
  const std::string wave = SoundWithShortName(FromCp932(music) + L"\u301C.wav", 300);
  const std::string song =
      SoundWithShortName(FromCp932(music) + L"\uB178\uB798\U0001F600.wav", 300);
  ASSERT_FALSE(wave.empty() || song.empty());
  const std::string playlist =
      u8"#EXTM3U\n#EXTINF:1,T\nソ/～.wav\n〜.wav\n./b.wav\n노래\U0001F600.wav\n";
  ASSERT_TRUE(WriteBytes(music + "list.m3u8", playlist));
  ASSERT_TRUE(WriteBytes(music + "old.m3u", "b.wav\r\nソ\\～.wav\r\n"));  // code page 932

  EXPECT_EQ(ListMaker("M5 \"" + music + "list.m3u8\" \"" + music + "old.m3u\""),
            std::optional<DWORD>(0));
  EXPECT_EQ(box.ReadFile("TaVM32M5.LIS"),
            std::optional<std::string>(music + "ソ\\～.wav\r\n" + music + wave + "\r\n" + music +
                                       "b.wav\r\n" + music + song + "\r\n" + music + "b.wav\r\n" +
                                       music + "ソ\\～.wav\r\n"));
}

}  // namespace
}  // namespace tavel::e2e
