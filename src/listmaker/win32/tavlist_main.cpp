// TAVLIST.EXE: writes one memory list of the player (TaVM32M0.LIS .. TaVM32M9.LIS) from folders,
// music files and playlists, for users without the companion program that normally writes them.
#include <windows.h>
// The shell's declarations need the types of windows.h first.
#include <shellapi.h>

#include <string>
#include <vector>

#include "listmaker/list_maker.h"
#include "listmaker/win32/wide_text.h"
#include "listmaker/win32/win32_console.h"
#include "listmaker/win32/win32_cp932_codec.h"
#include "listmaker/win32/win32_music_files.h"
#include "platform/win32/win32_file_system.h"
#include "text/path.h"

namespace tavel {
namespace {

// The arguments as the user typed them: the wide command line holds every character, where the
// narrow one would already have lost those the code page lacks.
std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) args.push_back(Utf8Of(wide[i]));
  if (wide) LocalFree(wide);
  return args;
}

std::string OwnFolder() {
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length < path.size() ? length : 0);
  return FolderOf(Utf8Of(path), PathEncoding::Utf8);
}

int Run() {
  SetErrorMode(SEM_FAILCRITICALERRORS);  // a drive without a disc is an unreadable folder, no box
  Win32MusicFiles music;
  Win32Cp932Codec codec;
  Win32FileSystem lists;
  Win32Console console;
  // The player's own systems are Japanese; elsewhere the messages are English.
  const Language language = GetACP() == 932 ? Language::Japanese : Language::English;
  ListMakerContext context{music, codec, lists, console, language, OwnFolder()};
  return RunListMaker(Arguments(), context);
}

}  // namespace
}  // namespace tavel

int main() {
  return tavel::Run();
}
