// How the install and the uninstall tell and ask the user, and give the system its turn between
// their long steps. The setup window answers with its message box and its Yes/No box.
#pragma once

#include <string>

namespace tavel {

class SetupUser {
 public:
  virtual ~SetupUser() = default;
  // A notice the user acknowledges.
  virtual void Tell(const std::string& message) = 0;
  // A question; true for "はい".
  virtual bool Ask(const std::string& question) = 0;
  // The caption under which the uninstall runs.
  virtual void ShowTitle(const std::string& title) = 0;
  // The work stopped: what it held back from the user is usable again before the stop is told.
  virtual void Stopped() {}
  virtual void Beep() = 0;
  // Lets waiting messages through, so that the window stays responsive during the work.
  virtual void Pump() = 0;
};

}  // namespace tavel
