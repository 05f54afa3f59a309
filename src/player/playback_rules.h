// The rules of playing one file that need no window: the play bar's scale and the numbers MCI
// returns.
#pragma once

#include <cstdint>
#include <string>

namespace tavel {

// The seek bar never has more steps than this.
inline constexpr std::int32_t kBarMaxSteps = 512;

struct PlayBar {
  std::int32_t max;    // the seek bar's maximum
  std::int32_t scale;  // milliseconds per step, at least 1
};
// The seek bar for a file: a step per millisecond below 512 ms, else 512 steps.
PlayBar PlayBarFor(std::int32_t lengthMs);

// A number MCI returned as decimal text; 0 when the text is not a number.
std::int32_t MciNumber(const std::string& text);

}  // namespace tavel
