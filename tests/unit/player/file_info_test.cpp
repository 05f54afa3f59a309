// Tests of the status bar's file information texts for files found and not found.
#include "player/file_info.h"

#include <gtest/gtest.h>

#include "support/fake_clock.h"
#include "support/fake_file_system.h"

namespace tavel {
namespace {

using testing::FakeClock;
using testing::FakeFileSystem;

class FileInfoTest : public ::testing::Test {
 protected:
  FileInfoTexts Describe(const std::string& path) { return DescribeFile(fs, clock, path); }
  FakeFileSystem fs;
  FakeClock clock;
};

TEST_F(FileInfoTest, SizesArePaddedToEightWithSeparators) {
  fs.Put("C:\\MIDI\\EMPTY.MID");
  fs.Put("C:\\MIDI\\SMALL.MID", std::string(512, 'x'));
  fs.Put("C:\\MIDI\\BIG.WAV").size = 1200000;
  fs.Put("C:\\MIDI\\HUGE.WAV").size = 5000000000ULL;  // past 32 bits: still the true size
  EXPECT_EQ(Describe("C:\\MIDI\\EMPTY.MID").size, "       0");
  EXPECT_EQ(Describe("C:\\MIDI\\SMALL.MID").size, "     512");
  EXPECT_EQ(Describe("C:\\MIDI\\BIG.WAV").size, "1,200,000");
  EXPECT_EQ(Describe("C:\\MIDI\\HUGE.WAV").size, "5,000,000,000");
  clock.thousandsSeparator = ".";
  EXPECT_EQ(Describe("C:\\MIDI\\BIG.WAV").size, "1.200.000");
}

TEST_F(FileInfoTest, AReadOnlyArchiveFileOfMarch1997) {
  FakeFileSystem::File& file = fs.Put("C:\\MIDI\\Song.MID", "MThd");
  file.lastWrite = DateTime{1997, 3, 15, 6, 21, 5, 9};
  file.attributes = kAttrReadOnly | kAttrArchive;
  const FileInfoTexts texts = Describe("C:\\MIDI\\Song.MID");
  EXPECT_EQ(texts.name, "Song.MID");  // as stored, whatever the display case
  EXPECT_EQ(texts.size, "       4");
  EXPECT_EQ(texts.date, " 97/03/15 Sat 21:05:09 r  a");

  clock.dateSeparator = "-";
  clock.timeSeparator = ".";
  EXPECT_EQ(Describe("C:\\MIDI\\Song.MID").date, " 97-03-15 Sat 21.05.09 r  a");
}

TEST_F(FileInfoTest, AttributeLettersKeepTheirPlaces) {
  EXPECT_EQ(AttributeText(0), "    ");
  EXPECT_EQ(AttributeText(kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive), "rsha");
  EXPECT_EQ(AttributeText(kAttrSystem), " s  ");
  EXPECT_EQ(AttributeText(kAttrHidden), "  h ");
  // Hidden and system files are found like any other.
  fs.Put("C:\\H.WAV").attributes = kAttrHidden | kAttrSystem;
  EXPECT_EQ(Describe("C:\\H.WAV").date, " 97/03/15 Sat 21:05:09  sh ");
}

TEST_F(FileInfoTest, MissingFilesFoldersAndWildcardsShowDashes) {
  fs.PutFolder("C:\\MIDI\\FOLDER.MID");
  fs.Put("C:\\MIDI\\A*.MID");
  for (const std::string path :
       {"C:\\MIDI\\GONE.MID", "C:\\MIDI\\FOLDER.MID", "C:\\MIDI\\A*.MID", ""}) {
    const FileInfoTexts texts = Describe(path);
    EXPECT_EQ(texts.size, "----------") << path;
    EXPECT_EQ(texts.date, " yy/mm/dd day hh:mm:ss ----") << path;
  }
  EXPECT_EQ(Describe("C:\\MIDI\\GONE.MID").name, "GONE.MID");
}

TEST_F(FileInfoTest, NamesWithDoubleByteCharacters) {
  // ソ ends in 0x5C: the name starts after the real backslash, not inside the character.
  fs.Put("C:\\ソ\\表ソ.MID");
  EXPECT_EQ(Describe("C:\\ソ\\表ソ.MID").name, "表ソ.MID");
  EXPECT_EQ(Describe("A:ソ.MID").name, "ソ.MID");
}

TEST_F(FileInfoTest, ADateThatCannotBeShownLeavesThePattern) {
  fs.Put("C:\\ODD.MID").lastWrite.reset();
  EXPECT_EQ(Describe("C:\\ODD.MID").date, " yy/mm/dd ddd hh:mm:ss    a");
}

TEST_F(FileInfoTest, TheStartUpDatePanelShowsNowWithAllLetters) {
  clock.now = DateTime{2001, 12, 31, 1, 23, 59, 0};
  EXPECT_EQ(StartDatePanelText(clock), " 01/12/31 Mon 23:59:00 rsha");
}

}  // namespace
}  // namespace tavel
