// The uninstall's hand-off from the installed program to its copy in the Windows folder: how each
// is started, what the copy is called, and the key through which the first step tells the copy the
// program to delete, the caption to show and whether to keep the folders.
#pragma once

#include <cstdint>
#include <string>

namespace tavel {

class Registry;

struct HandoffData {
  std::string file;
  std::string title;
  std::string rmDir;
};

class UninstallHandoff {
 public:
  // The copy's prefix, the last three digits of "000" + counter, its extension.
  static std::string CopyName(std::int32_t counter);
  // Whether a program called `exeFileName` (without folder) is the copy named `copyName`.
  static bool IsCopy(const std::string& exeFileName, const std::string& copyName);

  // The installed executable in double quotes, a blank and /uninstall. The software list hands
  // this text to the system to start, which reads an unquoted path up to its first blank: a folder
  // such as C:\Program Files\... would then start C:\Program.exe, or nothing. Quoted, exactly this
  // program starts; a path without blanks loses nothing by the quotes.
  static std::string UninstallCommandLine(const std::string& exePath);
  // The copy in double quotes, a blank and "/DeleteFile" in double quotes.
  static std::string CopyCommandLine(const std::string& copyPath);

  explicit UninstallHandoff(Registry& registry) : registry_(registry) {}

  // Writes all three values; a key that cannot be written in full is taken away again.
  bool Write(const HandoffData& data);
  // Reads the values and takes the key away, so that they are taken once.
  HandoffData Take();
  void Remove();

 private:
  Registry& registry_;
};

}  // namespace tavel
