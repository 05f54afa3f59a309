// One dialog component on the fakes, with a user who acts in its boxes.
#pragma once

#include <functional>

#include "dialogs/dialog_component.h"
#include "dialogs/work_area.h"
#include "support/fake_world.h"

namespace tavel::testing {

// `dlg`, a `Dialog` whose boxes are `Box` forms of `kKind`. A box the user's action leaves open
// is closed from its title bar, as a box nobody answers.
template <class Dialog, class Box, DialogKind kKind>
class DialogFixture : public FakeWorld {
 protected:
  DialogFixture() { user.Answer(kKind, kResultCancel); }

  // What the user does in each box of the dialog, from now on.
  void Act(std::function<void(Box&)> action) { user.Act<Box>(kKind, action); }

  WorkArea area;
  Dialog dlg{app, desktop, area};
};

}  // namespace tavel::testing
