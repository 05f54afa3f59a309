// Tests of the history of played files: when it grows, how it is trimmed and how it is saved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/list_file.h"
#include "player/memory_lists.h"
#include "support/fake_file_system.h"

namespace tavel::testing {
namespace {

using Entries = std::vector<std::string>;

Entries Numbered(int from, int to) {
  Entries entries;
  for (int n = from; n <= to; ++n) entries.push_back("C:\\MIDI\\" + std::to_string(n) + ".MID");
  return entries;
}

TEST(History, KeepsTheLastPlaysUpToItsLimitOldestFirst) {
  Entries history;
  for (const std::string& path : Numbered(1, 5)) EXPECT_TRUE(AppendHistory(history, path, 3, 0));
  EXPECT_EQ(history, Numbered(3, 5));

  FakeFileSystem fs;
  ASSERT_TRUE(SaveHistory(fs, kListFolder, history));
  EXPECT_EQ(fs.Content(kHistoryFile), "C:\\MIDI\\3.MID\r\nC:\\MIDI\\4.MID\r\nC:\\MIDI\\5.MID\r\n");
}

TEST(History, RecordsEveryPlayEvenTheSameFileTwice) {
  Entries history;
  AppendHistory(history, "C:\\ソ\\表.MID", 10, 9);
  AppendHistory(history, "C:\\ソ\\表.MID", 10, 9);
  EXPECT_EQ(history, (Entries{"C:\\ソ\\表.MID", "C:\\ソ\\表.MID"}));
}

TEST(History, NothingIsRecordedWhenOffOrWhileTheHistoryIsOnShow) {
  Entries history = Numbered(1, 2);
  EXPECT_FALSE(AppendHistory(history, "C:\\X.MID", 0, 0));
  EXPECT_FALSE(AppendHistory(history, "C:\\X.MID", 100, kHistoryMemory));
  EXPECT_EQ(history, Numbered(1, 2));
}

TEST(History, ALoweredLimitRemovesOneOldEntryPerPlay) {
  Entries history = Numbered(1, 100);
  EXPECT_TRUE(AppendHistory(history, "C:\\MIDI\\101.MID", 10, 0));
  EXPECT_EQ(history, Numbered(2, 101));
  AppendHistory(history, "C:\\MIDI\\102.MID", 10, 0);
  EXPECT_EQ(history, Numbered(3, 102));
}

TEST(History, NeverGrowsPastTheHardLimit) {
  Entries history = Numbered(1, 15999);
  AppendHistory(history, "C:\\MIDI\\16000.MID", 32700, 0);
  EXPECT_EQ(history.size(), 16000u);
  EXPECT_EQ(history.front(), "C:\\MIDI\\1.MID");
  AppendHistory(history, "C:\\MIDI\\16001.MID", 32700, 0);
  EXPECT_EQ(history.size(), 16000u);
  EXPECT_EQ(history.front(), "C:\\MIDI\\2.MID");
  EXPECT_EQ(history.back(), "C:\\MIDI\\16001.MID");

  // A longer history from an edited file is trimmed one entry per play, like a lowered limit.
  Entries longer = Numbered(1, 16005);
  AppendHistory(longer, "C:\\MIDI\\X.MID", 32700, 0);
  EXPECT_EQ(longer.size(), 16005u);
}

TEST(HistorySave, AnEmptyHistoryIsAnEmptyFile) {
  FakeFileSystem fs;
  fs.Put(kHistoryFile, "C:\\OLD.MID\r\n");
  ASSERT_TRUE(SaveHistory(fs, kListFolder, {}));
  EXPECT_EQ(fs.Content(kHistoryFile), "");
}

TEST(HistorySave, AFailedWriteLeavesThePreviousHistoryWhole) {
  const std::string before = FormatListFile(Numbered(1, 50));
  FakeFileSystem fs;
  fs.Put(kHistoryFile, before);
  fs.spaceLeft = 100;  // the disk fills up part way through the new history
  EXPECT_FALSE(SaveHistory(fs, kListFolder, Numbered(1, 60)));
  EXPECT_EQ(fs.Content(kHistoryFile), before);
  EXPECT_EQ(fs.Paths(), Entries{kHistoryFile});  // nothing left beside it

  fs.spaceLeft.reset();
  fs.failWrites.insert(kHistoryFile);
  EXPECT_FALSE(SaveHistory(fs, kListFolder, Numbered(1, 60)));
  EXPECT_EQ(fs.Content(kHistoryFile), before);

  // The file is replaced in one step, never written in place.
  EXPECT_EQ(fs.log, (Entries{"replace " + kHistoryFile, "replace " + kHistoryFile}));
}

// Two players ran at once; the other one closed first and wrote its own plays.
TEST(HistorySave, KeepsWhatAnotherPlayerWroteMeanwhileAndAddsOnlyThisRunsPlays) {
  FakeFileSystem fs;
  fs.Put(kHistoryFile, FormatListFile(Numbered(1, 3)));
  const StartMemory start = LoadStartMemory(fs, kListFolder, 0);
  Entries history = start.history;
  for (const std::string& path : Numbered(4, 5)) AppendHistory(history, path, 4, 0);
  const HistoryRun run{start.historyOrigin, 2, 4};

  // The other player's play X stays; each of this run's plays pushes one oldest entry out.
  Entries other = Numbered(1, 3);
  other.push_back("C:\\X.MID");
  fs.Put(kHistoryFile, FormatListFile(other));
  ASSERT_TRUE(SaveHistory(fs, kListFolder, history, run));
  EXPECT_EQ(fs.Content(kHistoryFile),
            FormatListFile({"C:\\MIDI\\3.MID", "C:\\X.MID", "C:\\MIDI\\4.MID", "C:\\MIDI\\5.MID"}));

  // A change that keeps the length is seen too.
  fs.Put(kHistoryFile, FormatListFile({"C:\\MIDI\\7.MID", "C:\\MIDI\\8.MID", "C:\\MIDI\\9.MID"}));
  ASSERT_TRUE(SaveHistory(fs, kListFolder, history, {start.historyOrigin, 1, 0}));
  EXPECT_EQ(fs.Content(kHistoryFile), FormatListFile({"C:\\MIDI\\7.MID", "C:\\MIDI\\8.MID",
                                                      "C:\\MIDI\\9.MID", "C:\\MIDI\\5.MID"}));

  // A file removed meanwhile holds nothing to keep: the whole list is written.
  fs.Remove(kHistoryFile);
  ASSERT_TRUE(SaveHistory(fs, kListFolder, history, run));
  EXPECT_EQ(fs.Content(kHistoryFile), FormatListFile(Numbered(2, 5)));
}

TEST(HistorySave, ReadsBackAsSaved) {
  FakeFileSystem fs;
  const Entries history{"C:\\ミュージック\\ソ.MID", "", "D:\\MIDI\\A.MID"};
  ASSERT_TRUE(SaveHistory(fs, kListFolder, history));
  EXPECT_EQ(LoadListFile(fs, kHistoryFile), history);
}

}  // namespace
}  // namespace tavel::testing
