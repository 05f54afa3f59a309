// The command lines that start the uninstall: the software list's "UninstallString" and the
// uninstaller copy's.
//
// For the install: write "UninstallString" as UninstallCommandLine(installed executable path).
#pragma once

#include <string>

namespace tavel {

constexpr const char* kUninstallArgument = "/uninstall";
constexpr const char* kDeleteFileArgument = "/DeleteFile";

// The installed executable in double quotes, a blank and /uninstall. The software list hands this
// text to the system to start, which reads an unquoted path up to its first blank: a folder such as
// C:\Program Files\... would then start C:\Program.exe, or nothing. Quoted, exactly this program
// starts, whatever the folder holds; a path without blanks loses nothing by the quotes.
std::string UninstallCommandLine(const std::string& exePath);

// The uninstaller copy in double quotes, a blank and "/DeleteFile" in double quotes.
std::string UninstallerCopyCommandLine(const std::string& copyPath);

}  // namespace tavel
