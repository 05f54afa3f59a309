// Memories, history and file information with real list files and real music files.
#include <string>
#include <vector>

#include "harness/started_player.h"

namespace tavel::e2e {
namespace {

std::string ListBytes(const std::vector<std::string>& entries) {
  std::string bytes;
  for (const auto& e : entries) bytes += e + "\r\n";
  return bytes;
}

std::string MemoryFile(int n) {
  return "TaVM32M" + std::to_string(n) + ".LIS";
}

// The memory selector gets the input focus, as when the user clicks into it.
void FocusSelector(HWND combo) {
  PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SETFOCUS),
               reinterpret_cast<LPARAM>(combo));
}

using MemoryLists = StartedPlayer;

TEST_F(MemoryLists, TheSelectorCountsEveryMemoryAndMakesMissingOnesAtItsFirstFocus) {
  ASSERT_TRUE(box.WriteFile(MemoryFile(0), ListBytes({"a.wav", "b.wav", "c.wav"})));
  ASSERT_TRUE(box.WriteFile(MemoryFile(3), ListBytes({"x.mid", ""})));
  StartPlayer();
  HWND combo = WaitForControl(player, "ComboBox1");
  EXPECT_EQ(ComboItems(combo).at(0), "M0 : 3ｺ");
  EXPECT_EQ(ComboIndex(combo), 0);
  // The selector is the first control and usually gets the focus when the window opens; a focus
  // that arrives later must count too.
  FocusSelector(combo);
  ASSERT_TRUE(WaitUntil([&] { return ComboItems(combo).at(4) == "M4 : 0ｺ"; }, kWindowTimeoutMs));
  std::vector<std::string> items = ComboItems(combo);
  EXPECT_EQ(items.at(3), "M3 : 2ｺ");
  EXPECT_EQ(items.at(10), "HIS: 0ｺ");
  EXPECT_EQ(box.ReadFile(MemoryFile(4)), std::optional<std::string>(""));
  ClosePlayer();
}

TEST_F(MemoryLists, TheHistorysItemShowsItsCountWithoutAFocusAfterStartup) {
  ASSERT_TRUE(box.WriteFile("TaVO32MH.LIS", ListBytes({"a.wav", "b.wav"})));
  StartPlayer();
  HWND combo = WaitForControl(player, "ComboBox1");
  EXPECT_TRUE(WaitUntil([&] { return ComboItems(combo).at(10) == "HIS: 2ｺ"; }, kWindowTimeoutMs))
      << ComboItems(combo).at(10);
  ClosePlayer();
}

TEST_F(MemoryLists, PickingAMemoryShowsItsEntries) {
  ASSERT_TRUE(box.WriteFile(MemoryFile(0), ListBytes({"a.wav"})));
  ASSERT_TRUE(box.WriteFile(MemoryFile(2), ListBytes({"C:\\曲\\表.MID", "D:\\ソ\\Song.wav"})));
  StartPlayer({{"MEMORY", "1,1,1,1,0,1,0"}});  // full paths
  HWND combo = WaitForControl(player, "ComboBox1");
  HWND list = WaitForControl(player, "ListBox2");
  PickComboItem(combo, 2);
  ASSERT_TRUE(WaitUntil([&] { return ListItems(list).size() == 2; }, kWindowTimeoutMs));
  EXPECT_EQ(ListItems(list).at(0), "C:\\曲\\表.MID");
  EXPECT_EQ(ComboItems(combo).at(2), "M2 : 2ｺ");
  EXPECT_EQ(ComboIndex(combo), 2);
  ClosePlayer();
  EXPECT_EQ(box.Settings().Read("MEMORY"), std::optional<std::string>("-1,-1,-1,-1,2,-1,0"));
}

// A read-only archive file written on 15 March 1997 at 21:05:09 local time.
bool MakeDatedFile(const std::string& path, size_t size) {
  if (!WriteBytes(path, std::string(size, 'x'))) return false;
  SYSTEMTIME local{1997, 3, 6, 15, 21, 5, 9, 0};
  FILETIME localFt, utcFt;
  SystemTimeToFileTime(&local, &localFt);
  LocalFileTimeToFileTime(&localFt, &utcFt);
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  BOOL ok = SetFileTime(h, nullptr, nullptr, &utcFt);
  CloseHandle(h);
  return ok && SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
}

TEST_F(MemoryLists, TheStatusBarShowsARealFilesSizeDateAndAttributes) {
  std::string song = box.PathOf("Song.MID");
  ASSERT_TRUE(MakeDatedFile(song, 1200000));
  ASSERT_TRUE(box.WriteFile(MemoryFile(0), ListBytes({song, box.PathOf("gone.wav")})));
  StartPlayer();
  HWND names = WaitForControl(player, "ListBox8");
  HWND status = WaitForControl(player, "StatusBar2");
  PickListItem(names, 0);
  ASSERT_TRUE(
      WaitUntil([&] { return StatusPanels(status).at(0) == "Song.MID"; }, kWindowTimeoutMs));
  std::vector<std::string> panels = StatusPanels(status);
  EXPECT_EQ(panels.at(1), "1,200,000");
  EXPECT_EQ(panels.at(2), " 97/03/15 Sat 21:05:09 r  a");
  PickListItem(names, 1);
  ASSERT_TRUE(
      WaitUntil([&] { return StatusPanels(status).at(1) == "----------"; }, kWindowTimeoutMs));
  SaveScreenshot(player, "file-info");
  ClosePlayer();
  SetFileAttributesA(song.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(MemoryLists, NameDisplayAndUpperCaseChangeTheLists) {
  ASSERT_TRUE(box.WriteFile(MemoryFile(0), ListBytes({"C:\\Music\\Song.MID", "C:\\曲\\ソ.Wav"})));
  StartPlayer();
  HWND paths = WaitForControl(player, "ListBox2");
  HWND names = WaitForControl(player, "ListBox8");
  EXPECT_EQ(ListItems(names), (std::vector<std::string>{"song.mid", "ソ.wav"}));
  EXPECT_TRUE(IsWindowVisible(names));
  ChooseMenuItem(player, "OOMOJI");
  // The names change first, the paths right after.
  ASSERT_TRUE(
      WaitUntil([&] { return ListItems(paths).at(0) == "C:\\MUSIC\\SONG.MID"; }, kWindowTimeoutMs));
  EXPECT_EQ(ListItems(names).at(0), "SONG.MID");
  EXPECT_EQ(ListItems(names).at(1), "ソ.WAV");
  ChooseMenuItem(player, "SSN");
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(paths) && !IsWindowVisible(names); },
                        kWindowTimeoutMs));
  ClosePlayer();
  EXPECT_EQ(box.Settings().Read("MEMORY"), std::optional<std::string>("-1,-1,-1,-1,0,-1,0"));
}

}  // namespace
}  // namespace tavel::e2e
