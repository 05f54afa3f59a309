// Reading the list maker's command line: the memory, the inputs and the options in their spellings.
#include "listmaker/list_request.h"

#include <gtest/gtest.h>

namespace tavel {
namespace {

using Args = std::vector<std::string>;

TEST(ListRequestArguments, OptionsInEverySpellingMayStandAnywhere) {
  ParsedArguments p = ParseArguments({"/s", "m3", "C:\\A", "--dir", "D:\\Player", "b.m3u", "/R"});
  ASSERT_EQ(p.error, ArgumentError::None);
  EXPECT_EQ(p.request.memory, 3);
  EXPECT_EQ(p.request.inputs, (Args{"C:\\A", "b.m3u"}));
  EXPECT_TRUE(p.request.subfolders);
  EXPECT_EQ(p.request.existing, ExistingList::Replace);
  EXPECT_EQ(p.request.playerFolder, "D:\\Player");

  p = ParseArguments({"M0", "-A", "/D:E:\\T", "--", "-odd name.wav", "/S"});
  ASSERT_EQ(p.error, ArgumentError::None);
  EXPECT_EQ(p.request.existing, ExistingList::Append);
  EXPECT_EQ(p.request.playerFolder, "E:\\T");
  EXPECT_FALSE(p.request.subfolders) << "after -- everything is an input";
  EXPECT_EQ(p.request.inputs, (Args{"-odd name.wav", "/S"}));

  EXPECT_EQ(ParseArguments({"M9", "x", "--dir=F:\\"}).request.playerFolder, "F:\\");
  // A folder typed as "D:\Music\" arrives with a quote where its last backslash was.
  p = ParseArguments({"M1", "D:\\Music\"", "-d", "E:\\Player\""});
  EXPECT_EQ(p.request.inputs, Args{"D:\\Music\\"});
  EXPECT_EQ(p.request.playerFolder, "E:\\Player\\");
  EXPECT_EQ(ParseArguments({"M1", "x"}).request.existing, ExistingList::Keep);
  EXPECT_FALSE(ParseArguments({"M1", "x"}).request.mp3AndWma);
  for (const char* mp3 : {"/M", "-m", "--mp3-wma"})
    EXPECT_TRUE(ParseArguments({"M1", "x", mp3}).request.mp3AndWma) << mp3;
  for (const char* help : {"/?", "-h", "--help", "/H"})
    EXPECT_TRUE(ParseArguments({"M1", help}).request.help) << help;
}

TEST(ListRequestArguments, MistakesAreNamed) {
  struct Case {
    Args args;
    ArgumentError error;
    std::string argument;
  };
  const Case cases[] = {
      {{"C:\\Music"}, ArgumentError::NoMemory, "C:\\Music"},
      {{"M10", "x"}, ArgumentError::NoMemory, "M10"},
      {{"H3", "x"}, ArgumentError::NoMemory, "H3"},
      {{"M2"}, ArgumentError::NoInput, ""},
      {{"M2", "x", "--recurse"}, ArgumentError::UnknownOption, "--recurse"},
      {{"M2", "x", "/Q"}, ArgumentError::UnknownOption, "/Q"},
      {{"M2", "x", "--dir"}, ArgumentError::MissingFolder, "--dir"},
      {{"M2", "x", "/R", "/A"}, ArgumentError::ReplaceAndAppend, ""},
  };
  for (const Case& c : cases) {
    ParsedArguments p = ParseArguments(c.args);
    EXPECT_EQ(p.error, c.error) << c.args.front();
    EXPECT_EQ(p.argument, c.argument);
  }
}

}  // namespace
}  // namespace tavel
