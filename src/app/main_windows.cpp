// Builds the process's one main window: the player or the setup window.
#include "app/main_windows.h"

#include "player/player_window.h"
#include "setup/setup_window.h"

namespace tavel {

std::unique_ptr<Form> MainWindows::CreatePlayer(const EntryState& entry) {
  return std::make_unique<TTAVEL32KOLAP>(app_, services_, entry);
}

std::unique_ptr<Form> MainWindows::CreateSetup(EntryState& entry) {
  return std::make_unique<TTVLSETUPForm>(app_, services_, entry);
}

}  // namespace tavel
