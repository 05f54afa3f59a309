// The entry decision: mode code and main window from the argument, own name, windows and version.
#include "app/entry.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/process.h"
#include "setup/uninstall_handoff.h"
#include "support/fake_desktop.h"
#include "support/fake_process.h"
#include "support/fake_registry.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless_ui.h"

namespace tavel {
namespace {

struct Start {
  std::string arg;
  std::string exe = "TaVEL32.EXE";
  std::set<std::string> windows;
  std::optional<std::string> version = std::string("11");
  int versionReads = 0;

  EntryDecision Decide() {
    EntryFacts f;
    f.firstArgument = arg;
    f.exeFileName = exe;
    f.windowExists = [this](const char* c) { return windows.count(c) != 0; };
    f.readVersion = [this] {
      ++versionReads;
      return version;
    };
    return ChooseEntry(f, UninstallHandoff::CopyName(0));
  }
};

TEST(EntryDecision, VersionElevenOpensThePlayerAnythingElseTheInstaller) {
  for (auto [text, window] : std::vector<std::pair<std::optional<std::string>, MainWindowKind>>{
           {"11", MainWindowKind::Player},
           {"12", MainWindowKind::Setup},
           {"255", MainWindowKind::Setup},
           {"", MainWindowKind::Setup},
           {std::nullopt, MainWindowKind::Setup},
           {"abc", MainWindowKind::Setup},
           {"11a", MainWindowKind::Setup},
           {"0x0B", MainWindowKind::Setup}}) {
    Start s;
    s.version = text;
    EntryDecision d = s.Decide();
    EXPECT_EQ(d.modeCode, kModeNormal);
    EXPECT_EQ(d.window, window) << text.value_or("<missing>");
  }
}

TEST(EntryDecision, RunningInstallerEndsANormalStartSilently) {
  Start s;
  s.windows = {kSetupClass};
  EXPECT_EQ(s.Decide().window, MainWindowKind::None);
  EXPECT_EQ(s.versionReads, 0);
  s.windows = {kPlayerClass};  // a running player does not stop a second one
  EXPECT_EQ(s.Decide().window, MainWindowKind::Player);
}

TEST(EntryDecision, UninstallArgumentMustMatchExactly) {
  Start s;
  s.arg = "/uninstall";
  EntryDecision d = s.Decide();
  EXPECT_EQ(d.modeCode, kModeUninstall);
  EXPECT_EQ(d.window, MainWindowKind::Setup);
  EXPECT_EQ(s.versionReads, 0);
  s.arg = "/UNINSTALL";
  EXPECT_EQ(s.Decide().modeCode, kModeNormal);
  s.arg = "/uninstall ";
  EXPECT_EQ(s.Decide().modeCode, kModeNormal);
}

TEST(EntryDecision, UninstallerCopyIsKnownByItsLowerCasedName) {
  Start s;
  s.version = std::nullopt;
  for (const char* name : {"unin_kolap000.exe", "UNIN_KOLAP000.EXE", "Unin_Kolap000.Exe"}) {
    s.exe = name;
    EntryDecision d = s.Decide();
    EXPECT_EQ(d.modeCode, kModeUninstallerCopy) << name;
    EXPECT_EQ(d.window, MainWindowKind::Setup);
  }
  EXPECT_EQ(s.versionReads, 0);
  s.arg = "/uninstall";  // the argument wins over the name
  EXPECT_EQ(s.Decide().modeCode, kModeUninstall);
  s.arg = "";
  s.exe = "unin_kolap001.exe";
  EXPECT_EQ(s.Decide().modeCode, kModeNormal);
}

TEST(EntryDecision, UninstallIsRefusedWhileAPlayerOrInstallerRuns) {
  for (const char* cls : {kPlayerClass, kSetupClass}) {
    Start s;
    s.arg = "/uninstall";
    s.windows = {cls};
    EntryDecision d = s.Decide();
    EXPECT_EQ(d.modeCode, kModeUninstallRefused);
    EXPECT_EQ(d.window, MainWindowKind::Setup);
  }
  Start copy;  // the uninstaller copy runs even while the installed program's setup window is open
  copy.exe = "unin_kolap000.exe";
  copy.windows = {kSetupClass};
  EXPECT_EQ(copy.Decide().modeCode, kModeUninstallerCopy);
}

// The whole sequence with fakes: title first, the key created, the other player remembered.
struct RecordingWindows : MainWindowFactory {
  Application& app;
  std::vector<std::string> made;
  EntryState seen;
  explicit RecordingWindows(Application& a) : app(a) {}
  std::unique_ptr<Form> Make(const char* cls, const EntryState& e) {
    made.push_back(cls);
    seen = e;
    auto f = std::make_unique<Form>(app, cls, "Main");
    app.SetShowMainForm(false);
    return f;
  }
  std::unique_ptr<Form> CreatePlayer(const EntryState& e) override { return Make(kPlayerClass, e); }
  std::unique_ptr<Form> CreateSetup(EntryState& e) override { return Make(kSetupClass, e); }
};

TEST(EntrySequence, SetsTheTitleCreatesTheKeyAndRemembersAnotherPlayer) {
  HeadlessUi ui;
  Application app(ui);
  testing::FakeRegistry reg;
  testing::FakeDesktop desk;
  testing::FakeProcess proc;
  RecordingWindows windows(app);
  reg.Set(kSettingsKeyPath, "Version", "11");
  WindowHandle other = desk.AddWindow({kPlayerClass, "1楽蔵32 TAVEL", {0, 0, 447, 270}});

  EXPECT_EQ(RunEntry(app, reg, desk, proc, windows), 0);
  EXPECT_EQ(app.Title(), "楽蔵32");
  EXPECT_EQ(windows.made, std::vector<std::string>{kPlayerClass});
  EXPECT_EQ(windows.seen.OtherPlayerWindow, other);
  EXPECT_EQ(windows.seen.UninstallerName, "unin_kolap000.exe");
  EXPECT_EQ(reg.openKeys, 0);

  testing::FakeRegistry empty;
  RecordingWindows again(app);
  RunEntry(app, empty, desk, proc, again);
  EXPECT_EQ(again.made, std::vector<std::string>{kSetupClass});
  EXPECT_TRUE(empty.HasKey(kSettingsKeyPath));
}

}  // namespace
}  // namespace tavel
