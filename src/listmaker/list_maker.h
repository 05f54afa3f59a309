// One run of the list maker: from its arguments to a memory list written beside the player, with
// every entry it leaves out named, and an exit code that tells a script what happened.
#pragma once

#include <string>
#include <vector>

#include "listmaker/console.h"
#include "listmaker/cp932_codec.h"
#include "listmaker/messages.h"
#include "listmaker/music_files.h"
#include "platform/file_system.h"

namespace tavel {

enum ExitCode : int {
  kWritten = 0,              // the list was written with every entry asked for
  kWrittenWithRefusals = 1,  // the list was written; some entries were left out
  kWrongArguments = 2,
  kNothingPlayable = 3,  // no entry to write; an existing list is untouched
  kListExists = 4,       // neither replacing nor appending was asked for; untouched
  kReadWriteFailed = 5,  // the list's folder, the existing list or the new one failed
};

struct ListMakerContext {
  MusicFiles& music;
  Cp932Codec& codec;
  FileSystem& lists;  // the list files, by their code page 932 paths
  Console& console;
  Language language;
  std::string ownFolder;  // the list maker's own folder (UTF-8)
};

int RunListMaker(const std::vector<std::string>& args, ListMakerContext& context);

}  // namespace tavel
