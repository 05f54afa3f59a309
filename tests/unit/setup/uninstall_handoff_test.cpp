// Tests of the uninstall's hand-off: the copy's name, and command lines from which the system and
// this program read back exactly the executable and the argument, also from a folder with blanks.
#include "setup/uninstall_handoff.h"

#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace tavel::testing {
namespace {

// The program the system starts for a command line: a quoted first word is taken whole; otherwise
// the system tries the text up to each blank in turn and starts the first that names a program,
// which is how an unquoted C:\Program Files\... can start C:\Program.exe.
std::vector<std::string> ProgramsTried(const std::string& commandLine) {
  if (!commandLine.empty() && commandLine[0] == '"')
    return {commandLine.substr(1, commandLine.find('"', 1) - 1)};
  std::vector<std::string> tried;
  for (size_t blank = commandLine.find(' '); blank != std::string::npos;
       blank = commandLine.find(' ', blank + 1)) {
    tried.push_back(commandLine.substr(0, blank));
  }
  tried.push_back(commandLine);
  return tried;
}

TEST(UninstallHandoff, TheCopysNameIsBuiltFromTheCounter) {
  EXPECT_EQ(UninstallHandoff::CopyName(0), "unin_kolap000.exe");
  EXPECT_EQ(UninstallHandoff::CopyName(7), "unin_kolap007.exe");
  EXPECT_EQ(UninstallHandoff::CopyName(1234), "unin_kolap234.exe");
}

TEST(UninstallHandoff, TheUninstallCommandLineStartsExactlyTheInstalledProgram) {
  for (std::string exe :
       {"C:\\KoLAPP32\\TaVIN32\\TaVEL32.EXE", "C:\\Program Files\\KOLAP SOFT\\楽蔵 32\\TaVEL32.EXE",
        "D:\\ソフト\\表\\TaVEL32.EXE"}) {
    std::string line = UninstallHandoff::UninstallCommandLine(exe);
    EXPECT_EQ(ProgramsTried(line), std::vector<std::string>{exe}) << line;
    EXPECT_EQ(CommandLineArgument(line, 0), exe);
    EXPECT_EQ(CommandLineArgument(line, 1), "/uninstall");
  }
  // Without the quotes the folder with blanks would offer other programs first.
  EXPECT_EQ(ProgramsTried("C:\\Program Files\\T\\TaVEL32.EXE /uninstall").front(), "C:\\Program");
}

TEST(UninstallHandoff, TheCopysCommandLineQuotesTheCopyAndItsArgument) {
  std::string line = UninstallHandoff::CopyCommandLine("C:\\WINDOWS\\unin_kolap000.exe");
  EXPECT_EQ(line, "\"C:\\WINDOWS\\unin_kolap000.exe\" \"/DeleteFile\"");
  EXPECT_EQ(CommandLineArgument(line, 1), "/DeleteFile");
}

}  // namespace
}  // namespace tavel::testing
