// Builds the process's one main window: the player or the setup window.
#pragma once

#include "app/entry.h"
#include "platform/services.h"

namespace tavel {

class MainWindows : public MainWindowFactory {
 public:
  MainWindows(Application& app, Services& services) : app_(app), services_(services) {}
  std::unique_ptr<Form> CreatePlayer(const EntryState& entry) override;
  std::unique_ptr<Form> CreateSetup(EntryState& entry) override;

 private:
  Application& app_;
  Services& services_;
};

}  // namespace tavel
