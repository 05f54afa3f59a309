// The rules of playing one file that need no window.
#include "player/playback_rules.h"

#include <algorithm>

#include "text/number.h"

namespace tavel {

PlayBar PlayBarFor(std::int32_t lengthMs) {
  if (lengthMs < kBarMaxSteps) return {std::max(lengthMs, 0), 1};
  return {kBarMaxSteps, lengthMs / kBarMaxSteps};
}

std::int32_t MciNumber(const std::string& text) {
  return ParseDecimal(text).value_or(0);
}

}  // namespace tavel
