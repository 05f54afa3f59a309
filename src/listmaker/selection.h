// Choosing the entries of a list: the files named, the music files in the folders named and the
// entries of playlists, each one kept only when the player can play it.
#pragma once

#include <string>
#include <vector>

#include "listmaker/cp932_codec.h"
#include "listmaker/music_files.h"
#include "lists/playable.h"

namespace tavel {

enum class Refusal {
  Missing,          // no file of that name
  NotAFile,         // a folder, or an address rather than a path
  UnknownType,      // not one of the types the player plays
  NotCp932,         // a character code page 932 does not have
  TooLong,          // too long for the player's MCI open command
  Unreadable,       // a folder or playlist that cannot be read
  BadPlaylistText,  // an .m3u line that is not code page 932 text
};

struct RefusedEntry {
  std::string path;  // as far as it could be made out, UTF-8
  Refusal reason;
};

// An entry written by the short name the volume keeps for a name that code page 932 cannot hold.
struct ShortenedEntry {
  std::string path;     // the file's own path, UTF-8
  std::string written;  // the path in the list, UTF-8
};

struct Selection {
  std::vector<std::string> entries;  // full paths in code page 932, in the order of the list
  std::vector<RefusedEntry> refused;
  std::vector<ShortenedEntry> shortened;  // in the order of the list
};

// Inputs are full paths. Each input adds its entries in the order given: a music file itself, a
// playlist its entries in the playlist's order, a folder its music files sorted by name and then,
// when `subfolders`, each sub-folder in the same way in name order. Files of other types found in
// a folder are not entries and are passed over without a word. `types` are the types taken, as
// FileTypeKey gives them. A name that code page 932 cannot hold is written by the volume's short
// name for it; without one, the entry is refused.
Selection SelectEntries(const std::vector<std::string>& inputs, bool subfolders, MusicFiles& files,
                        Cp932Codec& codec, const std::vector<std::string>& types = PlayableTypes());

}  // namespace tavel
