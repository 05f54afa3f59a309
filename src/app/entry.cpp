// The entry sequence: which main window this process opens, and why.
#include "app/entry.h"

#include "platform/process.h"
#include "platform/registry.h"
#include "setup/uninstall_handoff.h"
#include "text/path.h"
#include "ui/application.h"
#include "ui/form.h"

namespace tavel {

EntryDecision ChooseEntry(const EntryFacts& facts, const std::string& uninstallerName) {
  EntryDecision d;
  if (facts.firstArgument == kUninstallArgument) {
    d.modeCode = kModeUninstall;
  } else if (UninstallHandoff::IsCopy(facts.exeFileName, uninstallerName)) {
    d.modeCode = kModeUninstallerCopy;
  }
  if (d.modeCode == kModeNormal) {
    if (facts.windowExists(kSetupClass)) return d;  // an installer runs: end silently
    bool installed = ParseVersion(facts.readVersion()) == kThisVersion;
    d.window = installed ? MainWindowKind::Player : MainWindowKind::Setup;
    return d;
  }
  if (d.modeCode == kModeUninstall &&
      (facts.windowExists(kPlayerClass) || facts.windowExists(kSetupClass))) {
    d.modeCode = kModeUninstallRefused;
  }
  d.window = MainWindowKind::Setup;
  return d;
}

int RunEntry(Application& app, Registry& registry, Desktop& desktop, Process& process,
             MainWindowFactory& windows) {
  app.SetTitle(kAppTitle);
  EntryState entry;
  entry.UninstallerName = UninstallHandoff::CopyName(entry.UninstallCounter);

  EntryFacts facts;
  facts.firstArgument = process.FirstArgument();
  facts.exeFileName = DisplayName(process.OwnPath());
  facts.windowExists = [&](const char* cls) { return desktop.FindWindowByClass(cls) != 0; };
  // A normal start creates the settings key as it reads the version.
  facts.readVersion = [&]() -> std::optional<std::string> {
    return registry.ReadString(RegistryRoot::Users, kSettingsKeyPath, kVersionValue, true);
  };
  EntryDecision d = ChooseEntry(facts, entry.UninstallerName);
  entry.ModeCode = d.modeCode;

  std::unique_ptr<Form> main;
  if (d.window == MainWindowKind::Player) {
    entry.OtherPlayerWindow = desktop.FindWindowByClass(kPlayerClass);
    main = windows.CreatePlayer(entry);
  } else if (d.window == MainWindowKind::Setup) {
    main = windows.CreateSetup(entry);
  }
  if (main) app.Run(*main);
  return 0;
}

}  // namespace tavel
