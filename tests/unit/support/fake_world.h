// What a window of the program is tested in: the headless windowing system with its application,
// every platform service as a fake, and a user who answers the boxes from a script.
#pragma once

#include <gtest/gtest.h>

#include "support/fake_services.h"
#include "support/scripted_user.h"
#include "ui/application.h"
#include "ui/headless_ui.h"

namespace tavel::testing {

struct HeadlessApplication {
  HeadlessUi ui;
  Application app{ui};
};

// The fakes come before the window a fixture makes on them, and outlive it.
class FakeWorld : public ::testing::Test, protected HeadlessApplication, protected FakeServices {
 protected:
  FakeWorld() : FakeServices(ui) {}

  ScriptedUser user{ui};
};

}  // namespace tavel::testing
