// Command-line arguments: program names with and without quotes, quoting rules, Shift-JIS text.
#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace tavel {
namespace {

TEST(CommandLineArgument, SkipsTheProgramNameQuotedOrNot) {
  EXPECT_EQ(CommandLineArgument("TaVEL32.EXE /uninstall", 1), "/uninstall");
  EXPECT_EQ(CommandLineArgument("\"C:\\Program Files\\TaVEL32.EXE\" /uninstall", 1), "/uninstall");
  EXPECT_EQ(CommandLineArgument("\"C:\\Program Files\\TaVEL32.EXE\"/uninstall", 1), "");
  EXPECT_EQ(CommandLineArgument("\"C:\\Program Files\\TaVEL32.EXE\" a", 0),
            "C:\\Program Files\\TaVEL32.EXE");
  EXPECT_EQ(CommandLineArgument("C:\\Program\" \"Files\\TaVEL32.EXE x", 0),
            "C:\\Program Files\\TaVEL32.EXE");
}

TEST(CommandLineArgument, MissingArgumentsAreEmpty) {
  EXPECT_EQ(CommandLineArgument("", 1), "");
  EXPECT_EQ(CommandLineArgument("TaVEL32.EXE", 1), "");
  EXPECT_EQ(CommandLineArgument("TaVEL32.EXE   \t ", 1), "");
  EXPECT_EQ(CommandLineArgument("a b", 5), "");
}

TEST(CommandLineArgument, BlanksSeparateAndQuotesGroup) {
  const std::string line = "prog  \t/a\t\"b c\"d  x\"y z\"  \"\" \"\"e";
  EXPECT_EQ(CommandLineArgument(line, 1), "/a");
  EXPECT_EQ(CommandLineArgument(line, 2), "b cd");
  EXPECT_EQ(CommandLineArgument(line, 3), "xy z");
  // Empty quote pairs in front of an argument are skipped, not taken as an empty argument.
  EXPECT_EQ(CommandLineArgument(line, 4), "e");
}

TEST(CommandLineArgument, UnclosedQuoteRunsToTheEnd) {
  EXPECT_EQ(CommandLineArgument("prog \"a b", 1), "a b");
  EXPECT_EQ(CommandLineArgument("prog \"", 1), "");
}

TEST(CommandLineArgument, CaseAndDoubleByteTextKeptAsWritten) {
  EXPECT_EQ(CommandLineArgument("prog /UNINSTALL", 1), "/UNINSTALL");
  // "ソ" ends in 0x5C and "表" too; neither ends the argument or is taken apart.
  EXPECT_EQ(CommandLineArgument("prog \"C:\\ソ表\\x\" y", 1), "C:\\ソ表\\x");
  std::string cut = "prog \x83";  // a lead byte without its second half at the very end
  EXPECT_EQ(CommandLineArgument(cut, 1), "\x83");
}

TEST(CommandLineArgument, StopsAtAnEmbeddedZero) {
  EXPECT_EQ(CommandLineArgument(std::string("prog a\0b", 8), 1), "a");
}

}  // namespace
}  // namespace tavel
