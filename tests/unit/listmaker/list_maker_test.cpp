// One run of the list maker: where the list goes, what happens to an existing list, the messages
// and the exit codes.
#include "listmaker/list_maker.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/listmaker_fakes.h"

namespace tavel::testing {
namespace {

const std::string kList = "C:\\TAVEL\\TaVM32M3.LIS";

class ListMaker : public ::testing::Test {
 protected:
  void SetUp() override {
    music.Put("C:\\TAVEL\\TaVEL32.EXE");
    music.Put("C:\\M\\b.wav");
    music.Put(u8"C:\\M\\ソ.mid");
  }
  int Run(const std::vector<std::string>& args) { return RunListMaker(args, context); }
  bool Wrote() const {
    for (const auto& call : lists.log)
      if (call.rfind("replace ", 0) == 0) return true;
    return false;
  }

  FakeMusicFiles music;
  FakeCodec codec;
  FakeFileSystem lists;
  FakeConsole console;
  ListMakerContext context{music, codec, lists, console, Language::English, "C:\\TAVEL\\"};
};

TEST_F(ListMaker, WritesTheListBesideItselfAsTheListFilesThePlayerReads) {
  EXPECT_EQ(Run({"M3", "C:\\M"}), kWritten);
  EXPECT_EQ(lists.Content(kList), "C:\\M\\b.wav\r\nC:\\M\\ソ.mid\r\n");
  EXPECT_EQ(console.out, std::vector<std::string>{"C:\\TAVEL\\TaVM32M3.LIS: 2 entries written"});
  EXPECT_TRUE(console.err.empty());

  // Elsewhere with the folder option, relative to the current folder; with a note when the player
  // is not there.
  music.PutFolder("C:\\WORK\\Player");
  EXPECT_EQ(Run({"M0", "--dir", "Player", "C:\\M\\b.wav"}), kWritten);
  EXPECT_EQ(lists.Content("C:\\WORK\\Player\\TaVM32M0.LIS"), "C:\\M\\b.wav\r\n");
  EXPECT_EQ(console.err,
            std::vector<std::string>{"note: TaVEL32.EXE is not in this folder: C:\\WORK\\Player"});
}

TEST_F(ListMaker, NamesEveryEntryItLeavesOutAndWritesNothingWhenNothingPlays) {
  music.Put("C:\\M\\cover.txt");
  EXPECT_EQ(Run({"M3", "C:\\M", "C:\\M\\cover.txt", "gone.wav"}), kWrittenWithRefusals);
  EXPECT_EQ(console.err, (std::vector<std::string>{
                             "left out: C:\\M\\cover.txt : not a type the player plays (WAV MID "
                             "RMI AIF AU SND; MP3 WMA with /M)",
                             "left out: C:\\WORK\\gone.wav : no such file"}));
  EXPECT_EQ(console.out.back(), "C:\\TAVEL\\TaVM32M3.LIS: 2 entries written (2 left out)");

  console.err.clear();
  const std::string unnamable = u8"C:\\M\\é.wav";  // é is no character of code page 932
  EXPECT_EQ(Run({"M4", unnamable, "--subfolders"}), kNothingPlayable);
  EXPECT_EQ(console.err.back(), "nothing playable; not written: C:\\TAVEL\\TaVM32M4.LIS");
  EXPECT_FALSE(lists.Has("C:\\TAVEL\\TaVM32M4.LIS"));

  // Where the volume has a short name for it, the file is written by that name, and said so.
  music.Put(unnamable);
  music.shortNames[unnamable] = "E~1.WAV";
  console.out.clear();
  EXPECT_EQ(Run({"M4", unnamable}), kWritten);
  EXPECT_EQ(lists.Content("C:\\TAVEL\\TaVM32M4.LIS"), "C:\\M\\E~1.WAV\r\n");
  const std::string report = u8"written by its short name: C:\\M\\é.wav -> C:\\M\\E~1.WAV";
  EXPECT_EQ(console.out,
            (std::vector<std::string>{report, "C:\\TAVEL\\TaVM32M4.LIS: 1 entries written"}));
}

TEST_F(ListMaker, TakesMP3AndWMAOnlyWhenAsked) {
  music.Put("C:\\M\\a.mp3");
  music.Put("C:\\M\\c.WMA");
  EXPECT_EQ(Run({"M3", "C:\\M", "C:\\M\\c.WMA"}), kWrittenWithRefusals);
  EXPECT_EQ(lists.Content(kList), "C:\\M\\b.wav\r\nC:\\M\\ソ.mid\r\n");
  EXPECT_EQ(console.err,
            std::vector<std::string>{"left out: C:\\M\\c.WMA : not a type the player "
                                     "plays (WAV MID RMI AIF AU SND; MP3 WMA with /M)"});

  EXPECT_EQ(Run({"M3", "/R", "/M", "C:\\M"}), kWritten);
  EXPECT_EQ(lists.Content(kList),
            "C:\\M\\a.mp3\r\nC:\\M\\b.wav\r\nC:\\M\\c.WMA\r\nC:\\M\\ソ.mid\r\n");
}

TEST_F(ListMaker, AnExistingListIsReplacedOrAppendedToOnlyWhenAsked) {
  lists.Put(kList, "C:\\OLD.WAV\r\n\r\nC:\\LAST.MID");
  EXPECT_EQ(Run({"M3", "C:\\M\\b.wav"}), kListExists);
  EXPECT_FALSE(Wrote());

  EXPECT_EQ(Run({"M3", "/A", "C:\\M\\b.wav"}), kWritten);
  EXPECT_EQ(lists.Content(kList), "C:\\OLD.WAV\r\n\r\nC:\\LAST.MID\r\nC:\\M\\b.wav\r\n");

  EXPECT_EQ(Run({"M3", "/R", u8"C:\\M\\ソ.mid"}), kWritten);
  EXPECT_EQ(lists.Content(kList), "C:\\M\\ソ.mid\r\n");

  lists.unreadable.insert(kList);
  EXPECT_EQ(Run({"M3", "/A", "C:\\M\\b.wav"}), kReadWriteFailed);
  EXPECT_EQ(lists.Content(kList), "C:\\M\\ソ.mid\r\n");
}

TEST_F(ListMaker, AFailedWriteOrAnUnusableFolderLeavesEveryListAsItWas) {
  lists.Put(kList, "C:\\OLD.WAV\r\n");
  lists.failWrites.insert(kList);
  EXPECT_EQ(Run({"M3", "/R", "C:\\M"}), kReadWriteFailed);
  EXPECT_EQ(lists.Content(kList), "C:\\OLD.WAV\r\n");
  EXPECT_EQ(console.err.back(), "cannot write the list (any previous list is unchanged): " + kList);

  const std::string unnamable = u8"C:\\Été";
  music.PutFolder(unnamable);
  EXPECT_EQ(Run({"M3", "/D:" + unnamable, "C:\\M"}), kReadWriteFailed);
  EXPECT_EQ(Run({"M3", "/D:C:\\Nowhere", "C:\\M"}), kReadWriteFailed);
  EXPECT_EQ(lists.Paths(), std::vector<std::string>{kList});
}

TEST_F(ListMaker, AnswersHelpAndWrongArgumentsWithoutTouchingAnything) {
  EXPECT_EQ(Run({}), kWrongArguments);
  EXPECT_EQ(Run({"/?"}), kWritten);
  ASSERT_EQ(console.out.size(), 2u);
  EXPECT_NE(console.out[1].find(u8"オプション"), std::string::npos);
  EXPECT_NE(console.out[1].find("Exit codes"), std::string::npos);
  EXPECT_EQ(Run({"M3", "C:\\M", "/X"}), kWrongArguments);
  EXPECT_EQ(console.err.back(), "unknown option: /X (TAVLIST /? for help)");
  EXPECT_TRUE(lists.log.empty());
}

}  // namespace
}  // namespace tavel::testing
