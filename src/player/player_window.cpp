// The player window: its controls, menus, timers and the staged start-up.
#include "player/player_window.h"

namespace tavel {

TTAVEL32KOLAP::TTAVEL32KOLAP(Application& app, Services& services, const EntryState& entry)
    : Form(app, kPlayerClass, "TAVEL32KOLAP"), services_(services), entry_(entry) {
  SetCaption(kAppTitle);
  SetClientSize(439, 205);
}

}  // namespace tavel
