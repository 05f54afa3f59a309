// The setup window's surroundings on the headless windowing system: the application, fakes of the
// registry, files, screen, process and Program Manager, and a user who answers each box as the test
// says. The install and the uninstall fixtures both start from it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "dialogs/yes_no_box.h"
#include "support/fake_services.h"
#include "support/scripted_user.h"
#include "product/identity.h"
#include "setup/setup_window.h"
#include "ui/application.h"
#include "ui/headless_ui.h"

namespace tavel::testing {

class SetupWorld : public ::testing::Test {
 protected:
  // The keys setup writes, spelled out here so that a wrong key in the program shows.
  static constexpr const char* kMakerKey = ".Default\\Software\\KOLAP SOFT32";
  static constexpr const char* kProductKey = ".Default\\Software\\KOLAP SOFT32\\TaVEL32";
  static constexpr const char* kEntryKey =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TaVEL32";
  static constexpr const char* kMapGroupsKey =
      ".Default\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
  static constexpr const char* kHandoffKey = ".Default\\Software\\Unin_KOLAP SOFT32";

  SetupWorld() { app.SetTitle("楽蔵32"); }

  HeadlessUi ui;
  Application app{ui};
  FakeServices fakes{ui};
  FakeRegistry& registry = fakes.registry;
  FakeDesktop& desktop = fakes.desktop;
  FakeProcess& process = fakes.process;
  FakeFileSystem& files = fakes.files;
  FakeProgman& progman = fakes.progman;
  Services& services = fakes.services;
  ScriptedUser user{ui};
  EntryState entry;
  std::unique_ptr<TTVLSETUPForm> window;
};

}  // namespace tavel::testing
