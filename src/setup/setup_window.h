// The setup window: installs, or stays hidden and runs the uninstall steps.
#pragma once

#include "app/entry.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace tavel {

class TTVLSETUPForm : public Form {
 public:
  TTVLSETUPForm(Application& app, Services& services, EntryState& entry);

  Button Button2{this, "Button2"};
  Button Button3{this, "Button3"};
  Timer TimerErOut{*this, "TimerErOut", 500};

 private:
  void FormCreate();

  Services& services_;
  EntryState& entry_;
};

}  // namespace tavel
