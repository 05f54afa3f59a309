// TAVLIST.EXE under Windows: a memory made from a folder of real music files, with a name code
// page 932 cannot hold left out, is loaded and played by the player.
#include <cstdlib>
#include <string>

#include "harness.h"
#include "wav.h"

namespace tavel::e2e {
namespace {

// TAVLIST.EXE as built (from TAVEL_TAVLIST), as a Windows path.
std::string BuiltListMakerPath() {
  const char* path = std::getenv("TAVEL_TAVLIST");
  return path ? WindowsPathOf(path) : "";
}

class ListMakerRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(box.Ready());
    // Beside the player, where it writes its lists unless told otherwise.
    ASSERT_TRUE(CopyFileA(BuiltListMakerPath().c_str(), box.PathOf("TAVLIST.EXE").c_str(), FALSE))
        << "TAVEL_TAVLIST: " << BuiltListMakerPath();
    ASSERT_TRUE(box.Settings().Write("Version", "11"));
    // M0 on show, continuous, not endless, history of ten.
    ASSERT_TRUE(box.Settings().Write("SAISEIM", "0,0,0,0,-1,-1,-1,-1"));
    ASSERT_TRUE(box.Settings().Write("MEMORY", "1,1,1,1,0,1,0"));
    ASSERT_TRUE(box.Settings().Write("FILEHIS", "10"));
    ASSERT_TRUE(box.Settings().Write("INDEX", "0,-1"));
  }
  // Runs TAVLIST.EXE with the arguments and gives its exit code.
  std::optional<DWORD> ListMaker(const std::string& arguments) {
    TestProcess run(box.PathOf("TAVLIST.EXE"), arguments, box.Folder());
    if (!run.WaitForExit()) return std::nullopt;
    return run.ExitCode();
  }
  Sandbox box;
};

TEST_F(ListMakerRun, AListMadeFromAFolderIsPlayedInNameOrder) {
  // ソ and 表 end in the byte of a backslash; é is no character of code page 932.
  const std::string music = box.PathOf("ソ曲\\");
  ASSERT_TRUE(MakeFolders(music + "表"));
  ASSERT_TRUE(WriteBytes(music + "10 three.wav", WavBytes(700, 660)));
  ASSERT_TRUE(WriteBytes(music + "2 two.wav", WavBytes(700, 550)));
  ASSERT_TRUE(WriteBytes(music + "notes.txt", "not music"));
  ASSERT_TRUE(WriteBytes(music + "表\\1 four.wav", WavBytes(700, 770)));
  const std::wstring unnamable = FromCp932(music) + L"caf\u00e9.wav";
  HANDLE file =
      CreateFileW(unnamable.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  const std::string folder = "\"" + music.substr(0, music.size() - 1) + "\"";
  EXPECT_EQ(ListMaker("M0 /S " + folder), std::optional<DWORD>(1)) << "one left out";
  const std::string list =
      music + "2 two.wav\r\n" + music + "10 three.wav\r\n" + music + "表\\1 four.wav\r\n";
  ASSERT_EQ(box.ReadFile("TaVM32M0.LIS"), std::optional<std::string>(list));
  // A second run leaves the list alone unless it is asked to replace or append.
  EXPECT_EQ(ListMaker("M0 " + folder), std::optional<DWORD>(4));
  EXPECT_EQ(box.ReadFile("TaVM32M0.LIS"), std::optional<std::string>(list));

  TestProcess& player = box.Start();
  HWND w = player.WaitForWindow(kPlayerClass);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return Caption(w) == kIdleTitle; }, kWindowTimeoutMs));
  HWND combo = WaitForControl(w, "ComboBox1");
  EXPECT_EQ(ComboItems(combo).at(0), "M0 : 3ｺ");
  ASSERT_TRUE(Click(WaitForControl(w, "Button2")));
  // Every entry played, in the list's order: the history holds them all once playing ends.
  EXPECT_TRUE(WaitUntil(
      [&] { return ComboItems(combo).at(10) == "HIS: 3ｺ" && Caption(w) == kIdleTitle; }, 60000));
  RequestClose(w);
  ASSERT_TRUE(player.WaitForExit());
  EXPECT_EQ(box.ReadFile("TaVO32MH.LIS"), std::optional<std::string>(list));
}

TEST_F(ListMakerRun, PlaylistsAreReadInTheirOwnTextAndKeepTheirOrder) {
  const std::string music = box.PathOf("曲\\");
  ASSERT_TRUE(MakeFolders(music + "ソ"));
  ASSERT_TRUE(WriteBytes(music + "b.wav", WavBytes(300)));
  ASSERT_TRUE(WriteBytes(music + "ソ\\～.wav", WavBytes(300)));  // U+FF5E, 81 60 in code page 932
  // U+301C looks the same, but code page 932 has no character for it.
  HANDLE file = CreateFileW((FromCp932(music) + L"\u301C.wav").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  ASSERT_TRUE(
      WriteBytes(music + "list.m3u8", u8"#EXTM3U\n#EXTINF:1,T\nソ/～.wav\n〜.wav\n./b.wav\n"));
  ASSERT_TRUE(WriteBytes(music + "old.m3u", "b.wav\r\nソ\\～.wav\r\n"));  // code page 932

  EXPECT_EQ(ListMaker("M5 \"" + music + "list.m3u8\" \"" + music + "old.m3u\""),
            std::optional<DWORD>(1));
  EXPECT_EQ(box.ReadFile("TaVM32M5.LIS"),
            std::optional<std::string>(music + "ソ\\～.wav\r\n" + music + "b.wav\r\n" + music +
                                       "b.wav\r\n" + music + "ソ\\～.wav\r\n"));
}

}  // namespace
}  // namespace tavel::e2e
