// What a shell link (.lnk) starts, read through the shell's own link object.
#pragma once

#include <optional>
#include <string>

namespace tavel::e2e {

// The program path a link file starts (Shift-JIS bytes); nothing when it cannot be read.
std::optional<std::string> LinkTarget(const std::string& linkPath);

}  // namespace tavel::e2e
