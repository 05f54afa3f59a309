// Splitting a Windows command line into the program's arguments, the way classic Windows programs
// read their parameters.
#pragma once

#include <string>

namespace tavel {

// Argument `index` of `commandLine` (0 is the program name as written there), empty when there are
// fewer. Arguments are separated by blanks (any byte up to the space); double quotes group blanks
// into an argument and are themselves dropped; empty quote pairs before an argument are skipped.
// Double-byte characters stay whole.
std::string CommandLineArgument(const std::string& commandLine, int index);

}  // namespace tavel
