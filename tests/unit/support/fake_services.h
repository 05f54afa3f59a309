// Every platform service as a fake, handed out together as the Services a window takes.
#pragma once

#include "platform/services.h"
#include "support/fake_clock.h"
#include "support/fake_desktop.h"
#include "support/fake_drives.h"
#include "support/fake_file_system.h"
#include "support/fake_hot_keys.h"
#include "support/fake_mci.h"
#include "support/fake_named_mutex.h"
#include "support/fake_process.h"
#include "support/fake_progman.h"
#include "support/fake_registry.h"
#include "support/fake_tray.h"
#include "ui/headless_ui.h"

namespace tavel::testing {

struct FakeServices {
  explicit FakeServices(HeadlessUi& ui) : mci(ui) {}

  FakeRegistry registry;
  FakeDesktop desktop;
  FakeProcess process;
  FakeClock clock;
  FakeFileSystem files;
  FakeMci mci;
  FakeTray tray;
  FakeProgman progman;
  FakeNamedMutexes mutexes;
  FakeDrives drives{files};
  FakeHotKeys hotKeys;
  Services services{registry, desktop, process, clock,  files,  mci,
                    tray,     progman, mutexes, drives, hotKeys};
};

}  // namespace tavel::testing
