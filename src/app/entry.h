// The entry sequence: which main window this process opens, and why.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/desktop.h"
#include "product/entry_state.h"
#include "product/identity.h"

namespace tavel {

class Application;
class Form;
class Process;
class Registry;

enum class MainWindowKind { None, Player, Setup };

struct EntryDecision {
  std::int32_t modeCode = kModeNormal;
  MainWindowKind window = MainWindowKind::None;
};

// Facts the decision rests on; the version is read only when a normal start needs it.
struct EntryFacts {
  std::string firstArgument;
  std::string exeFileName;  // without folder
  std::function<bool(const char* className)> windowExists;
  std::function<std::optional<std::string>()> readVersion;
};

EntryDecision ChooseEntry(const EntryFacts& facts, const std::string& uninstallerName);

// Builds the main windows; the entry sequence decides which.
class MainWindowFactory {
 public:
  virtual ~MainWindowFactory() = default;
  virtual std::unique_ptr<Form> CreatePlayer(const EntryState& entry) = 0;
  virtual std::unique_ptr<Form> CreateSetup(EntryState& entry) = 0;
};

// Runs the whole entry sequence and the main window's message loop; returns the exit code.
int RunEntry(Application& app, Registry& registry, Desktop& desktop, Process& process,
             MainWindowFactory& windows);

}  // namespace tavel
