// The rules of playing one file that need no window: the MCI open command and its buffer, the file
// type test, the play bar's scale and the numbers MCI returns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavel {

// The command buffer holds this many characters before its terminating zero.
inline constexpr std::size_t kMciCommandCapacity = 303;
// The seek bar never has more steps than this.
inline constexpr std::int32_t kBarMaxSteps = 512;

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

struct PlayBar {
  std::int32_t max;    // the seek bar's maximum
  std::int32_t scale;  // milliseconds per step, at least 1
};
// The seek bar for a file: a step per millisecond below 512 ms, else 512 steps.
PlayBar PlayBarFor(std::int32_t lengthMs);

// A number MCI returned as decimal text; 0 when the text is not a number.
std::int32_t MciNumber(const std::string& text);

}  // namespace tavel
