// The player window's memories, history and file information, with list files in a fake folder.
#include <gtest/gtest.h>

#include "lists/list_file.h"
#include "support/player_fixture.h"

namespace tavel::testing {
namespace {

using testing::kProgramFolder;

class PlayerLists : public PlayerFixture {
 protected:
  void PutList(int memory, const std::vector<std::string>& entries) {
    files.Put(ListFileName(kProgramFolder, memory), FormatListFile(entries));
  }
  std::vector<std::string> Entries(int n, const std::string& prefix = "D:\\MIDI\\SONG") {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.push_back(prefix + std::to_string(i) + ".MID");
    return v;
  }
};

TEST_F(PlayerLists, StartupShowsTheSavedMemoryAndItsCount) {
  PutList(4, Entries(5));
  PutList(kHistoryMemory, Entries(2, "E:\\WAV\\played"));
  Store("MEMORY", "1,1,1,1,4,1,0");
  Store("INDEX", "2,-1");
  TTAVEL32KOLAP& p = Start();
  EXPECT_EQ(p.ListBox2.Count(), 5);
  EXPECT_EQ(p.ComboBox1.ItemIndex(), 4);
  EXPECT_EQ(p.ComboBox1.Item(4), "M4 : 5ｺ");
  EXPECT_EQ(p.ListBox2.ItemIndex(), 2);
  EXPECT_EQ(p.State.HistoryList->size(), 2u);
  EXPECT_TRUE(messages.empty());
}

TEST_F(PlayerLists, ASavedIndexBeyondTheListSelectsNothing) {
  PutList(0, Entries(5));
  for (const char* index : {"7,-1", "5,0", "-1,-1"}) {
    Store("INDEX", index);
    TTAVEL32KOLAP& p = Start();
    EXPECT_EQ(p.ListBox2.ItemIndex(), -1) << index;
    EXPECT_EQ(p.ListBox8.ItemIndex(), -1) << index;
  }
  Store("INDEX", "4,-1");
  EXPECT_EQ(Start().ListBox8.ItemIndex(), 4);  // the name list follows when it is shown
}

TEST_F(PlayerLists, AMemoryNumberThatNamesNoMemoryIsReportedAndStartupGoesOn) {
  PutList(kHistoryMemory, Entries(2, "E:\\played"));
  Store("MEMORY", "1,1,1,1,11,1,1");
  TTAVEL32KOLAP& p = Start();
  EXPECT_EQ(messages, std::vector<std::string>{"メモリーデータのロード処理に失敗しました・・・"});
  EXPECT_EQ(p.ComboBox1.ItemIndex(), -1);
  EXPECT_EQ(p.State.InitState, 0);
  p.Close();
  EXPECT_EQ(Setting("MEMORY"), "-1,-1,-1,-1,0,-1,1");  // the next start shows M0 again
  // The history read at start-up is the one saved, not an empty list.
  EXPECT_EQ(files.Content(ListFileName(kProgramFolder, kHistoryMemory)),
            FormatListFile(Entries(2, "E:\\played")));
}

TEST_F(PlayerLists, APickBeforeStartupMadeTheListsIsUndone) {
  PutList(kHistoryMemory, Entries(2, "E:\\played"));
  Create();
  player->Show();
  player->ComboBox1.UserEnter();
  player->ComboBox1.UserSelect(kHistoryMemory);
  EXPECT_EQ(player->ComboBox1.ItemIndex(), -1);
  EXPECT_EQ(player->ListBox2.Count(), 0);
  ui.Advance(500);
  EXPECT_EQ(player->ComboBox1.ItemIndex(), 0);  // start-up then shows the saved memory
  EXPECT_EQ(player->State.HistoryList->size(), 2u);
}

TEST_F(PlayerLists, AHistoryFileThatCouldNotBeReadAtStartupIsAddedTo) {
  const std::string history = ListFileName(kProgramFolder, kHistoryMemory);
  PutList(0, Entries(1));
  PutList(kHistoryMemory, Entries(3, "E:\\old"));
  files.unreadable.insert(history);  // another program holds it open just now
  Store("FILEHIS", "10");
  TTAVEL32KOLAP& p = Start();
  EXPECT_TRUE(p.State.HistoryList->empty());
  files.unreadable.clear();
  p.AppendHistory("D:\\new.wav");
  p.Close();
  std::vector<std::string> expected = Entries(3, "E:\\old");
  expected.push_back("D:\\new.wav");
  EXPECT_EQ(files.Content(history), FormatListFile(expected));
}

TEST_F(PlayerLists, TwoPlayersClosingOneAfterTheOtherKeepBothOfTheirPlays) {
  const std::string history = ListFileName(kProgramFolder, kHistoryMemory);
  PutList(0, Entries(1));
  PutList(kHistoryMemory, Entries(2, "E:\\old"));
  Store("FILEHIS", "10");
  Start();
  std::unique_ptr<TTAVEL32KOLAP> first = std::move(player);
  TTAVEL32KOLAP& second = Start(/*otherPlayer=*/true);
  first->AppendHistory("D:\\first.wav");
  second.AppendHistory("D:\\second.wav");
  first->Close();
  mutexes.alsoLogTo = &files.log;
  files.log.clear();
  second.Close();
  // The file is read and replaced while no other player can save it.
  std::vector<std::string> steps;
  for (const std::string& step : files.log) {
    if (step.find("TaVO32MH") != std::string::npos || step.find("history") != std::string::npos) {
      steps.push_back(step);
    }
  }
  EXPECT_EQ(steps, (std::vector<std::string>{"lock " + std::string(kHistoryFileMutex),
                                             "read " + history, "replace " + history,
                                             "unlock " + std::string(kHistoryFileMutex)}));
  std::vector<std::string> expected = Entries(2, "E:\\old");
  expected.push_back("D:\\first.wav");
  expected.push_back("D:\\second.wav");
  EXPECT_EQ(files.Content(history), FormatListFile(expected));
}

TEST_F(PlayerLists, AHistoryFileThatStaysUnreadableIsKeptAsItIs) {
  const std::string history = ListFileName(kProgramFolder, kHistoryMemory);
  PutList(kHistoryMemory, Entries(3, "E:\\old"));
  files.unreadable.insert(history);
  Store("MEMORY", "1,1,1,1,10,1,1");
  TTAVEL32KOLAP& p = Start();
  EXPECT_EQ(p.ListBox2.Count(), 0);
  p.Close();
  EXPECT_EQ(files.Content(history), FormatListFile(Entries(3, "E:\\old")));
}

TEST_F(PlayerLists, AFocusBeforeStartupStillLeavesNoPlaceholderItem) {
  PutList(0, Entries(3));
  PutList(kHistoryMemory, Entries(2, "E:\\played"));
  Create();
  player->Show();
  player->ComboBox1.UserEnter();  // the selector has the focus as soon as the window shows
  ui.Advance(500);
  EXPECT_EQ(player->ComboBox1.Item(0), "M0 : 3ｺ");
  EXPECT_EQ(player->ComboBox1.Item(10), "HIS: 2ｺ");
  for (int i = 0; i <= kHistoryMemory; ++i) {
    const std::string item = player->ComboBox1.Item(i);
    EXPECT_TRUE(item.find("12345") == std::string::npos && item.find("88888") == std::string::npos)
        << item;
  }
}

TEST_F(PlayerLists, TheFirstFocusCountsEveryMemoryAndCreatesMissingFilesOnce) {
  PutList(0, Entries(3));
  PutList(1, {"", "x", ""});
  files.Put(ListFileName(kProgramFolder, 2), "broken");
  files.unreadable.insert(ListFileName(kProgramFolder, 2));
  TTAVEL32KOLAP& p = Start();
  EXPECT_FALSE(files.Has(ListFileName(kProgramFolder, 4)));
  p.ComboBox1.UserEnter();
  EXPECT_EQ(p.ComboBox1.Item(0), "M0 : 3ｺ");
  EXPECT_EQ(p.ComboBox1.Item(1), "M1 : 3ｺ");
  EXPECT_EQ(p.ComboBox1.Item(2), "M2 : 0ｺ");
  EXPECT_EQ(p.ComboBox1.Item(4), "M4 : 0ｺ");
  EXPECT_EQ(p.ComboBox1.Item(10), "HIS: 0ｺ");
  EXPECT_TRUE(files.Has(ListFileName(kProgramFolder, 4)));
  EXPECT_EQ(files.Content(ListFileName(kProgramFolder, 4)), "");
  EXPECT_EQ(files.Content(ListFileName(kProgramFolder, 2)), "broken");  // unreadable: left alone
  EXPECT_EQ(p.ComboBox1.ItemIndex(), 0);
  PutList(0, Entries(9));
  p.ComboBox1.UserEnter();  // once per run
  EXPECT_EQ(p.ComboBox1.Item(0), "M0 : 3ｺ");
}

TEST_F(PlayerLists, PickingAMemoryLoadsItAndTheHistoryTravelsBack) {
  PutList(0, Entries(3));
  PutList(2, Entries(4, "C:\\ミュージック\\表"));
  PutList(kHistoryMemory, Entries(2, "E:\\played"));
  TTAVEL32KOLAP& p = Start();
  p.ComboBox1.UserSelect(kHistoryMemory);
  EXPECT_EQ(p.ListBox2.Items(), Entries(2, "E:\\played"));
  EXPECT_EQ(p.ComboBox1.Item(10), "HIS: 2ｺ");
  p.ListBox2.RemoveAt(0);  // the shown history is what goes back
  p.ComboBox1.UserSelect(2);
  EXPECT_EQ(p.State.CurrentMemory, 2);
  EXPECT_EQ(p.ListBox2.Count(), 4);
  EXPECT_EQ(p.ComboBox1.Item(2), "M2 : 4ｺ");
  EXPECT_EQ(p.ComboBox1.ItemIndex(), 2);
  EXPECT_EQ(p.ListBox8.Item(0), "表0.mid");
  EXPECT_EQ(*p.State.HistoryList, std::vector<std::string>{"E:\\played1.MID"});
  EXPECT_FALSE(p.Panel4.Visible());
}

TEST_F(PlayerLists, HistoryGrowsOnlyWhenRecordingAndIsSavedAtClose) {
  PutList(0, Entries(1));
  Store("FILEHIS", "3");
  TTAVEL32KOLAP& p = Start();
  for (int i = 0; i < 5; ++i) p.AppendHistory("D:\\p" + std::to_string(i) + ".wav");
  EXPECT_EQ(p.ComboBox1.Item(10), "HIS: 3ｺ");
  EXPECT_EQ(p.ComboBox1.ItemIndex(), 0);
  p.Close();
  EXPECT_EQ(files.Content(ListFileName(kProgramFolder, kHistoryMemory)),
            "D:\\p2.wav\r\nD:\\p3.wav\r\nD:\\p4.wav\r\n");
}

TEST_F(PlayerLists, ClosingWhileTheHistoryIsShownSavesTheShownList) {
  PutList(kHistoryMemory, {"a.wav", "b.wav"});
  Store("MEMORY", "1,1,1,1,10,1,1");
  Store("FILEHIS", "10");
  TTAVEL32KOLAP& p = Start();
  p.AppendHistory("c.wav");  // files played from the history are not recorded again
  p.ListBox2.RemoveAt(1);
  p.Close();
  EXPECT_EQ(files.Content(ListFileName(kProgramFolder, kHistoryMemory)), "a.wav\r\n");
}

TEST_F(PlayerLists, ClickingAnEntryShowsItsFileInformation) {
  PutList(0, {"C:\\M\\Song.MID", "C:\\M\\gone.wav"});
  files.Put("C:\\M\\Song.MID", std::string(512, 'x')).attributes = kAttrReadOnly | kAttrArchive;
  TTAVEL32KOLAP& p = Start();
  p.ListBox8.UserClick(0);
  EXPECT_EQ(p.ListBox2.ItemIndex(), 0);
  EXPECT_EQ(p.StatusBar2.PanelText(0), "Song.MID");
  EXPECT_EQ(p.StatusBar2.PanelText(1), "     512");
  EXPECT_EQ(p.StatusBar2.PanelText(2), " 97/03/15 Sat 21:05:09 r  a");
  p.ListBox8.UserClick(1);
  EXPECT_EQ(p.StatusBar2.PanelText(1), "----------");
  EXPECT_EQ(p.StatusBar2.PanelText(2), " yy/mm/dd day hh:mm:ss ----");
}

TEST_F(PlayerLists, AnEmptyListLeavesTheStatusBarAlone) {
  TTAVEL32KOLAP& p = Start();
  std::string before = p.StatusBar2.PanelText(1);
  p.ListBox2.UserClick(0);
  EXPECT_EQ(p.StatusBar2.PanelText(1), before);
  EXPECT_EQ(before, "ﾌｧｲﾙｻｲｽﾞ");
}

TEST_F(PlayerLists, NameDisplayAndCaseSwitchesKeepTheListsInStep) {
  PutList(0, {"C:\\M\\Song.MID", "C:\\曲\\ソ.Wav"});
  TTAVEL32KOLAP& p = Start();
  EXPECT_EQ(p.ListBox8.Items(), (std::vector<std::string>{"song.mid", "ソ.wav"}));
  p.OOMOJI.Click();
  EXPECT_TRUE(p.OOMOJI.Checked());
  EXPECT_EQ(p.ListBox8.Items(), (std::vector<std::string>{"SONG.MID", "ソ.WAV"}));
  EXPECT_EQ(p.ListBox2.Item(0), "C:\\M\\SONG.MID");
  p.OOMOJI.Click();
  EXPECT_EQ(p.ListBox2.Item(0), "c:\\m\\song.mid");
  EXPECT_EQ(p.ListBox2.Item(1), "c:\\曲\\ソ.wav");

  p.ListBox8.UserClick(1);
  p.SSN.Click();  // off: the full paths come back with the same entry selected
  EXPECT_FALSE(p.ListBox8.Visible());
  EXPECT_TRUE(p.ListBox2.Visible());
  EXPECT_EQ(p.ListBox2.ItemIndex(), 1);
  p.ListBox2.UserClick(0);
  p.SSN.Click();
  EXPECT_TRUE(p.ListBox8.Visible());
  EXPECT_EQ(p.ListBox8.ItemIndex(), 0);
}

}  // namespace
}  // namespace tavel::testing
