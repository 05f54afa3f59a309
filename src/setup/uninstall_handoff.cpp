// The uninstall's hand-off: its command lines, the copy's name and the hand-off key.
#include "setup/uninstall_handoff.h"

#include "platform/registry.h"
#include "product/layout.h"
#include "text/name_case.h"

namespace tavel {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::string UninstallHandoff::CopyName(std::int32_t counter) {
  std::string digits = "000" + std::to_string(counter);
  return kUninstallerCopyPrefix + digits.substr(digits.size() - 3) + kUninstallerCopyExtension;
}

bool UninstallHandoff::IsCopy(const std::string& exeFileName, const std::string& copyName) {
  return LowerAscii(exeFileName) == copyName;
}

std::string UninstallHandoff::UninstallCommandLine(const std::string& exePath) {
  return Quoted(exePath) + " " + kUninstallArgument;
}

std::string UninstallHandoff::CopyCommandLine(const std::string& copyPath) {
  return Quoted(copyPath) + " " + Quoted(kDeleteFileArgument);
}

bool UninstallHandoff::Write(const HandoffData& data) {
  bool written = false;
  if (auto key = registry_.Open(RegistryRoot::Users, kHandoffKeyPath, true)) {
    written = key->WriteString(kHandoffFileValue, data.file) &&
              key->WriteString(kHandoffTitleValue, data.title) &&
              key->WriteString(kHandoffRmDirValue, data.rmDir);
  }
  if (!written) Remove();
  return written;
}

HandoffData UninstallHandoff::Take() {
  HandoffData data;
  if (auto key = registry_.Open(RegistryRoot::Users, kHandoffKeyPath, false)) {
    data.file = key->ReadString(kHandoffFileValue).value_or("");
    data.title = key->ReadString(kHandoffTitleValue).value_or("");
    data.rmDir = key->ReadString(kHandoffRmDirValue).value_or("");
  }
  Remove();
  return data;
}

void UninstallHandoff::Remove() {
  registry_.DeleteKey(RegistryRoot::Users, kHandoffKeyPath);
}

}  // namespace tavel
