// Player operations whose full behaviour arrives with the lists, the playback engine and the tray;
// until then each does the part that keeps the window consistent.
#include "player/player_window.h"
#include "ui/application.h"

namespace tavel {

void TTAVEL32KOLAP::AddTrayIcon() {
  TrayActive = true;
}

void TTAVEL32KOLAP::RemoveTrayIcon() {
  TrayActive = false;
}

}  // namespace tavel
