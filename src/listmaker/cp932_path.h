// A path in code page 932, the only text the player's list files hold: every name as it is where
// code page 932 has its characters, else by the short (8.3) name the volume keeps for it.
#pragma once

#include <optional>
#include <string>

#include "listmaker/cp932_codec.h"
#include "listmaker/music_files.h"

namespace tavel {

struct Cp932Path {
  std::string path;        // code page 932
  bool shortened = false;  // some name of it is the volume's short name
};

// The name `name` of the file or folder at the full path `utf8Path` (its last component).
std::optional<Cp932Path> Cp932NameOf(const std::string& utf8Path, const std::string& name,
                                     MusicFiles& files, Cp932Codec& codec);

// A full path, name by name; nothing when some name has no code page 932 form, long or short.
// The drive or the server and share of a network path are never shortened.
std::optional<Cp932Path> Cp932PathOf(const std::string& utf8Path, MusicFiles& files,
                                     Cp932Codec& codec);

}  // namespace tavel
