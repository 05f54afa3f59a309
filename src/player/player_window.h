// The player window: its controls, menus, timers and the staged start-up.
#pragma once

#include "app/entry.h"
#include "platform/services.h"
#include "ui/form.h"

namespace tavel {

class TTAVEL32KOLAP : public Form {
 public:
  TTAVEL32KOLAP(Application& app, Services& services, const EntryState& entry);

 private:
  Services& services_;
  EntryState entry_;
};

}  // namespace tavel
