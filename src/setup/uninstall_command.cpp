// The command lines that start the uninstall and its copy.
#include "setup/uninstall_command.h"

namespace tavel {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::string UninstallCommandLine(const std::string& exePath) {
  return Quoted(exePath) + " " + kUninstallArgument;
}

std::string UninstallerCopyCommandLine(const std::string& copyPath) {
  return Quoted(copyPath) + " " + Quoted(kDeleteFileArgument);
}

}  // namespace tavel
