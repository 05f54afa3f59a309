// The types of file the player plays: the six it always plays, and MP3 and WMA as well while the
// option menu's switch is on.
#include "lists/playable.h"
#include "player/player_window.h"

namespace tavel {

void TTAVEL32KOLAP::WireFileTypesMenu() {
  MP3WMA.OnClick = [this] { MP3WMAClick(); };
}

// The file playing now plays on; the next file picked is tested against the new types. Saved at
// close.
void TTAVEL32KOLAP::MP3WMAClick() {
  MP3WMA.SetChecked(!MP3WMA.Checked());
  ApplyFileTypes();
}

void TTAVEL32KOLAP::ApplyFileTypes() {
  // The close releases the list; there is nothing left to change then.
  if (State.ExtensionList) *State.ExtensionList = PlayableTypes(MP3WMA.Checked());
}

}  // namespace tavel
