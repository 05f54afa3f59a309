// The player given damaged list files, history files and sound files: it starts, plays what it
// can and loses nothing that was stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/list_file.h"
#include "support/playback_fixture.h"

namespace tavel::testing {
namespace {

using testing::kProgramFolder;

class BadInput : public PlaybackFixture {
 protected:
  std::string M0() const { return ListFileName(kProgramFolder, 0); }
  std::string History() const { return HistoryFileName(kProgramFolder); }
};

TEST_F(BadInput, ListFilesOfAnyShapeAreShownAsFarAsTheyRead) {
  // Bytes of a picture: the NUL ends the list after three lines of noise.
  files.Put(M0(), std::string("\x89PNG\r\n\x1a\n\xff\xd8", 10) + std::string(1, '\0') + "rest");
  EXPECT_EQ(Start().ListBox2.Count(), 3);
  // A line of a megabyte, twenty thousand short ones, and a last line cut after a lead byte.
  std::string bytes = std::string(1 << 20, 'A') + "\r\n";
  for (int i = 0; i < 20000; ++i) bytes += "C:\\M\\" + std::to_string(i) + ".WAV\r\n";
  bytes += "C:\\M\\\x83";
  files.Put(M0(), bytes);
  TTAVEL32KOLAP& p = Start();
  ASSERT_EQ(p.ListBox2.Count(), 20002);
  EXPECT_EQ(p.ListBox2.Items()[0].size(), 1u << 20);
  EXPECT_EQ(p.ListBox8.Items().back(), "\x83");  // the name after the last backslash, as it is
  EXPECT_TRUE(messages.empty());
  p.Close();
  EXPECT_EQ(files.Content(M0()), bytes);  // a memory is never written back
}

TEST_F(BadInput, EntriesThatNameNoSoundArePassedOver) {
  files.PutFolder("C:\\M\\FOLDER");
  files.Put("C:\\M\\EMPTY.WAV");  // empty: the device refuses to open it
  files.Put("C:\\M\\NOTES.TXT", "text");
  const std::string good = Sound("C:\\M\\GOOD.WAV");
  std::vector<std::string> list{
      "C:\\M\\FOLDER", "C:\\M\\*.WAV", "C:\\M\\EMPTY.WAV", "C:\\M\\NOTES.TXT", "", good};
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  Select(0);
  p.Button2.Click();
  Play(20000);
  EXPECT_EQ(mci.started, std::vector<std::string>{good});
  EXPECT_EQ(p.State.PlayActive, 0);
}

TEST_F(BadInput, ASoundFileRemovedWhileItPlaysEndsThatFileOnly) {
  std::vector<std::string> list = FiveSounds();
  TTAVEL32KOLAP& p = StartWith(list, 0, false);
  Select(0);
  p.Button2.Click();
  ui.Advance(500);
  ASSERT_EQ(mci.started.size(), 1u);
  files.Remove(list[1]);    // gone before its turn
  mci.failPosition = true;  // and the playing one's device gives up, as when its file went
  ui.Advance(1000);
  mci.failPosition = false;
  Play(20000);
  EXPECT_EQ(mci.started, (std::vector<std::string>{list[0], list[2], list[3], list[4]}));
}

TEST_F(BadInput, AHistoryThatCannotBeWrittenIsLeftAsItWas) {
  Store("FILEHIS", "50");
  // Longer than the history ever grows: read whole, and written back whole.
  std::vector<std::string> old;
  for (int i = 0; i < 16500; ++i) old.push_back("C:\\M\\" + std::to_string(i) + ".WAV");
  files.Put(History(), FormatListFile(old));
  TTAVEL32KOLAP& p = Start();
  EXPECT_EQ(p.State.HistoryList->size(), old.size());
  p.Close();
  EXPECT_EQ(files.Content(History()), FormatListFile(old));

  // Read-only (every write refused): the old history stays and the close goes on quietly.
  files.failWrites.insert(History());
  Start().Close();
  EXPECT_EQ(files.Content(History()), FormatListFile(old));
  EXPECT_TRUE(messages.empty());

  // A folder of that name: an empty history, and the folder is still a folder afterwards.
  files.failWrites.clear();
  files.Remove(History());
  files.PutFolder(History());
  TTAVEL32KOLAP& q = Start();
  EXPECT_TRUE(q.State.HistoryList->empty());
  q.Close();
  EXPECT_NE(files.At(History()).attributes & kAttrDirectory, 0u);
}

}  // namespace
}  // namespace tavel::testing
