// Tests of the list-file format, the list file names and reading them through the file system.
#include "lists/list_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/fake_file_system.h"

namespace tavel {
namespace {

using testing::FakeFileSystem;
using Entries = std::vector<std::string>;

const auto Parse = ParseListFile;

// The format spelled out byte by byte, to hold the fast parser against.
Entries ReferenceParse(const std::string& bytes) {
  Entries entries;
  std::string line;
  bool open = false;  // bytes seen since the last line end
  for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      entries.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) entries.push_back(line);
  return entries;
}

TEST(ListFileFormat, EveryKindOfLineEndReadsTheSame) {
  const Entries abc{"a", "b", "c"};
  for (const char* text :
       {"a\r\nb\r\nc\r\n", "a\nb\nc\n", "a\rb\rc\r", "a\r\nb\nc\r", "a\nb\rc", "a\r\nb\r\nc"}) {
    EXPECT_EQ(Parse(text), abc) << text;
  }
}

TEST(ListFileFormat, EmptyLinesAreEntriesButNoneFollowsTheLastLineEnd) {
  EXPECT_EQ(Parse(""), Entries{});
  EXPECT_EQ(Parse("\r\n"), Entries{""});
  EXPECT_EQ(Parse("a\r\n\r\n"), (Entries{"a", ""}));  // a trailing empty line
  EXPECT_EQ(Parse("\n\r"), (Entries{"", ""}));        // LF then CR is two line ends
  EXPECT_EQ(Parse("a\r\r\nb"), (Entries{"a", "", "b"}));
  EXPECT_EQ(Parse("\r\n\r\nx\r\n"), (Entries{"", "", "x"}));
}

TEST(ListFileFormat, BlanksAndControlCharactersStay) {
  EXPECT_EQ(Parse("  C:\\A B.MID \t\r\n\x1a\r\n"), (Entries{"  C:\\A B.MID \t", "\x1a"}));
}

TEST(ListFileFormat, NulEndsTheContent) {
  EXPECT_EQ(Parse(std::string("a\r\nb\0c\r\nd", 10)), (Entries{"a", "b"}));
  EXPECT_EQ(Parse(std::string("a\r\n\0\r\n", 5)), Entries{"a"});
  EXPECT_EQ(Parse(std::string("\0abc\r\n", 6)), Entries{});
  // A CR before the NUL is a whole line end; the LF after it is not part of the list.
  EXPECT_EQ(Parse(std::string("a\r\0\nb", 5)), Entries{"a"});
}

TEST(ListFileFormat, DoubleByteNamesAreKeptByteForByte) {
  // ソ and 表 end in 0x5C, the byte of a backslash.
  const std::string so = "ソ";
  ASSERT_EQ(so, "\x83\x5C");
  const Entries entries{"C:\\ソフト\\表.MID", "D:\\ミュージック\\ソ", "ソ"};
  EXPECT_EQ(Parse("C:\\ソフト\\表.MID\r\nD:\\ミュージック\\ソ\nソ"), entries);
}

TEST(ListFileFormat, LongLines) {
  const std::string a(5000, 'a');
  const std::string b(70001, '\x95');
  EXPECT_EQ(Parse(a + "\r\n" + b + "\n" + a), (Entries{a, b, a}));
}

TEST(ListFileFormat, AgreesWithTheByteByByteReading) {
  // Short lines of every length and alignment, with line ends, NULs and double-byte characters
  // mixed in, cover the word-at-a-time search and its byte-by-byte tail.
  // Bytes next to CR and LF, also with the top bit set, would fool a careless word search.
  const char alphabet[] = {'a',    'Z',    '\\',   '\r',   '\n',   '\r',   '\n',
                           '\x83', '\x5C', '\x0C', '\x0E', '\x8D', '\x8A', '\x0B'};
  std::mt19937 random(4);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(random() % 40, ' ');
    for (char& c : bytes) c = alphabet[random() % sizeof alphabet];
    if (round % 10 == 0 && !bytes.empty()) bytes[random() % bytes.size()] = '\0';
    const Entries expected = ReferenceParse(bytes);
    ASSERT_EQ(ParseListFile(bytes), expected) << "round " << round;
    ASSERT_EQ(CountListEntries(bytes), expected.size()) << "round " << round;
  }
}

TEST(ListFileFormat, WritesCrLfAfterEveryEntryAndNothingForAnEmptyList) {
  EXPECT_EQ(FormatListFile({}), "");
  EXPECT_EQ(FormatListFile({""}), "\r\n");
  EXPECT_EQ(FormatListFile({"C:\\A.MID", "", "表.MID"}), "C:\\A.MID\r\n\r\n表.MID\r\n");
  for (const Entries& entries : {Entries{}, Entries{""}, Entries{"", ""}, Entries{"x", "", ""},
                                 Entries{"C:\\ソ\\表.WAV", " ", std::string(5000, 'q')}}) {
    EXPECT_EQ(ParseListFile(FormatListFile(entries)), entries);
  }
}

TEST(ListFileNames, MemoriesAndTheHistory) {
  const std::string folder = "C:\\KoLAPP32\\";
  EXPECT_EQ(MemoryFileName(folder, 0), "C:\\KoLAPP32\\TaVM32M0.LIS");
  EXPECT_EQ(MemoryFileName(folder, 9), "C:\\KoLAPP32\\TaVM32M9.LIS");
  EXPECT_EQ(HistoryFileName(folder), "C:\\KoLAPP32\\TaVO32MH.LIS");
  EXPECT_EQ(ListFileName(folder, 3), "C:\\KoLAPP32\\TaVM32M3.LIS");
  EXPECT_EQ(ListFileName(folder, kHistoryMemory), HistoryFileName(folder));
}

TEST(ListFileLoad, MissingAndUnreadableFilesGiveEmptyLists) {
  FakeFileSystem fs;
  fs.Put("C:\\T\\TaVM32M1.LIS", "a\r\nb\r\n");
  fs.Put("C:\\T\\TaVM32M2.LIS", "a\r\n");
  fs.unreadable.insert("C:\\T\\TaVM32M2.LIS");
  fs.PutFolder("C:\\T\\TaVM32M3.LIS");
  EXPECT_EQ(LoadListFile(fs, "C:\\T\\TaVM32M1.LIS"), (Entries{"a", "b"}));
  EXPECT_EQ(LoadListFile(fs, "C:\\T\\TaVM32M2.LIS"), Entries{});
  EXPECT_EQ(LoadListFile(fs, "C:\\T\\TaVM32M3.LIS"), Entries{});
  EXPECT_EQ(LoadListFile(fs, "C:\\T\\TaVM32M4.LIS"), Entries{});
  EXPECT_FALSE(fs.Has("C:\\T\\TaVM32M4.LIS"));  // reading never creates a file
}

}  // namespace
}  // namespace tavel
