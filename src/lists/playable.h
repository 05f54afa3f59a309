// What the player plays: the types of file it takes and the paths its MCI open command can hold.
// The player tests each entry by them, and the list maker keeps only entries that pass.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tavel {

// The command buffer holds this many characters before its terminating zero.
inline constexpr std::size_t kMciCommandCapacity = 303;

// "Open "path" alias Kolap wait", or nothing when the command would not fit the buffer: the open
// command adds 24 characters, so a path of more than 279 does not fit.
std::optional<std::string> OpenCommand(const std::string& path);

// The three-character type of a path: its extension in capitals, padded with blanks and cut to
// three characters ("MIDI" gives "MID", "au" gives "AU "); three blanks without an extension.
std::string FileTypeKey(const std::string& path);
// The types the player accepts, as FileTypeKey gives them; with `mp3AndWma` also "MP3" and "WMA",
// which the system's MCI opens with the same command as the others (its video device plays them).
std::vector<std::string> PlayableTypes(bool mp3AndWma = false);
bool IsPlayableType(const std::string& path, const std::vector<std::string>& types);

}  // namespace tavel
