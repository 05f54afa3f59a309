// Strict decimal integer conversion, as used for every number stored as text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavel {

// An optional sign followed by decimal digits, nothing else, within 32 bits; otherwise nothing.
std::optional<std::int32_t> ParseDecimal(const std::string& text);

}  // namespace tavel
