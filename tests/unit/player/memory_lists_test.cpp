// Tests of loading memories at start-up and on a pick, the memory counts and the selector texts.
#include "player/memory_lists.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "lists/list_file.h"
#include "support/fake_file_system.h"

namespace tavel {
namespace {

using testing::kHistoryFile;
using testing::kListFolder;

using testing::FakeFileSystem;
using Entries = std::vector<std::string>;

std::string Memory(int n) {
  return MemoryFileName(kListFolder, n);
}

TEST(MemorySelector, ItemTexts) {
  EXPECT_EQ(MemoryItemText(3, 0), "M3 : 0ｺ");
  EXPECT_EQ(MemoryItemText(0, 12345), "M0 : 12345\xBA");  // half-width ko in code page 932
  EXPECT_EQ(MemoryItemText(kHistoryMemory, 16000), "HIS: 16000ｺ");
}

class MemoryListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.Put(Memory(0), "C:\\A.MID\r\nC:\\B.MID\r\n");
    fs.Put(Memory(3), "D:\\ソ\\表.MID\r\n\r\n");
    fs.Put(kHistoryFile, "C:\\H1.MID\r\nC:\\H2.MID\r\nC:\\H3.MID\r\n");
  }
  FakeFileSystem fs;
};

TEST_F(MemoryListsTest, StartShowsTheMemoryAndKeepsTheHistoryAside) {
  StartMemory start = LoadStartMemory(fs, kListFolder, 3);
  EXPECT_TRUE(start.valid);
  EXPECT_EQ(start.shown, (Entries{"D:\\ソ\\表.MID", ""}));
  EXPECT_EQ(start.history, (Entries{"C:\\H1.MID", "C:\\H2.MID", "C:\\H3.MID"}));

  start = LoadStartMemory(fs, kListFolder, kHistoryMemory);
  EXPECT_TRUE(start.valid);
  EXPECT_EQ(start.shown, (Entries{"C:\\H1.MID", "C:\\H2.MID", "C:\\H3.MID"}));
  EXPECT_EQ(start.history, Entries{});
}

TEST_F(MemoryListsTest, StartWithMissingOrUnreadableFilesShowsEmptyLists) {
  fs.unreadable.insert(kHistoryFile);
  StartMemory start = LoadStartMemory(fs, kListFolder, 5);
  EXPECT_TRUE(start.valid);
  EXPECT_EQ(start.shown, Entries{});
  EXPECT_EQ(start.history, Entries{});
  EXPECT_FALSE(fs.Has(Memory(5)));  // start-up never creates files
}

TEST_F(MemoryListsTest, AnUnknownMemoryAtStartStillKeepsTheHistory) {
  for (int memory : {11, 255, -1}) {
    StartMemory start = LoadStartMemory(fs, kListFolder, memory);
    EXPECT_FALSE(start.valid) << memory;
    EXPECT_EQ(start.shown, Entries{}) << memory;
    // Saved at the close, an empty history list would wipe the file.
    EXPECT_EQ(start.history.size(), 3u) << memory;
  }
}

TEST_F(MemoryListsTest, PickingAMemoryReadsItsFileAfresh) {
  const Entries history{"C:\\H9.MID"};
  EXPECT_EQ(MemoryEntries(fs, kListFolder, 0, history), (Entries{"C:\\A.MID", "C:\\B.MID"}));
  fs.Put(Memory(0), "C:\\C.MID");  // the companion program rewrote it meanwhile
  EXPECT_EQ(MemoryEntries(fs, kListFolder, 0, history), Entries{"C:\\C.MID"});
  EXPECT_EQ(MemoryEntries(fs, kListFolder, kHistoryMemory, history), history);
  EXPECT_EQ(MemoryEntries(fs, kListFolder, 7, history), Entries{});
  EXPECT_FALSE(fs.Has(Memory(7)));
}

TEST_F(MemoryListsTest, CountsEveryMemoryAndCreatesOnlyTheMissingFiles) {
  fs.Put(Memory(1), "a\nb\rc\r\nd");
  fs.Put(Memory(2), "x\r\n");
  fs.unreadable.insert(Memory(2));  // exists but cannot be read: left alone
  fs.Put(Memory(5), "y\r\n").attributes = kAttrHidden | kAttrSystem;
  fs.unreadable.insert(Memory(5));
  fs.PutFolder(Memory(6));  // a folder of that name cannot be replaced by a file
  fs.failWrites.insert(Memory(8));

  const std::array<std::size_t, 10> counts = CountMemories(fs, kListFolder);
  EXPECT_EQ(counts, (std::array<std::size_t, 10>{2, 4, 0, 2, 0, 0, 0, 0, 0, 0}));

  for (int n : {4, 7, 9}) EXPECT_EQ(fs.Content(Memory(n)), "") << n;
  EXPECT_EQ(fs.Content(Memory(2)), "x\r\n");
  EXPECT_EQ(fs.Content(Memory(5)), "y\r\n");
  EXPECT_EQ(fs.At(Memory(6)).attributes, kAttrDirectory);
  EXPECT_FALSE(fs.Has(Memory(8)));
  EXPECT_EQ(fs.Content(Memory(0)), "C:\\A.MID\r\nC:\\B.MID\r\n");

  // A second count finds the created files empty and creates nothing more.
  fs.log.clear();
  fs.failWrites.clear();
  EXPECT_EQ(CountMemories(fs, kListFolder)[4], 0u);
  Entries creates;
  for (const std::string& call : fs.log) {
    if (call.rfind("create ", 0) == 0) creates.push_back(call);
  }
  // M8 failed the first time; the folder M6 is tried again and still refuses.
  EXPECT_EQ(creates, (Entries{"create " + Memory(6), "create " + Memory(8)}));
  EXPECT_EQ(fs.Content(Memory(8)), "");
}

}  // namespace
}  // namespace tavel
