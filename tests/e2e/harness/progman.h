// Program Manager as the shell under test provides it: commands sent by DDE, and where its groups
// keep their items.
#pragma once

#include <string>

namespace tavel::e2e {

// Sends one command ("[CreateGroup(X)]" ...) in a conversation of its own and waits for its
// outcome; true when Program Manager carried it out.
bool SendProgmanCommand(const std::string& command);

// The folder of a group under the user's Start Menu\Programs, with a trailing backslash.
std::string ProgramGroupFolder(const std::string& group);

}  // namespace tavel::e2e
