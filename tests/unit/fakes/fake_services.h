// Every platform service as a fake, handed out together as the Services a window takes.
#pragma once

#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_drives.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_hot_keys.h"
#include "fakes/fake_mci.h"
#include "fakes/fake_named_mutex.h"
#include "fakes/fake_process.h"
#include "fakes/fake_progman.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_tray.h"
#include "platform/services.h"
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
