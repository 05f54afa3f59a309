// A process of the program for tests: the headless windowing system, the application object and a
// fake of every platform service, handed out together as Services.
#pragma once

#include "fakes/fake_clock.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_mci.h"
#include "fakes/fake_named_mutex.h"
#include "fakes/fake_process.h"
#include "fakes/fake_progman.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_tray.h"
#include "platform/services.h"
#include "ui/application.h"
#include "ui/headless_ui.h"

namespace tavel::testing {

struct HeadlessProgram {
  HeadlessUi ui;
  Application app{ui};
  FakeRegistry registry;
  FakeDesktop desktop;
  FakeProcess process;
  FakeClock clock;
  FakeFileSystem files;
  FakeMci mci{ui};
  FakeTray tray;
  FakeProgman progman;
  FakeNamedMutexes mutexes;
  Services services{registry, desktop, process, clock, files, mci, tray, progman, mutexes};
};

}  // namespace tavel::testing
