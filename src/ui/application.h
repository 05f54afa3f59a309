// The application object: what the whole process shares (title, cursor, beep, modal showing,
// events).
#pragma once

#include <string>

#include "base/scoped_value.h"
#include "ui/backend.h"

namespace tavel {

class Form;

class Application {
 public:
  explicit Application(UiBackend& backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  UiBackend& Backend() { return backend_; }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  Form* MainForm() const { return mainForm_; }

  // Lets pending events run: clicks, timers that are due. Handlers may be re-entered from here.
  void ProcessMessages() { backend_.ProcessMessages(); }
  // The same, but first gives other events up to `ms` to arrive: for loops that wait on a flag.
  void WaitForEvents(int ms) { backend_.WaitForEvents(ms); }
  void Beep() { backend_.Beep(); }
  // Shows an error in the standard error display, as one that no handler caught would be, but
  // lets the caller go on.
  void ShowError(const std::string& text) {
    auto showing = ShowingModal();
    backend_.ShowError(text);
  }

  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on) { showHint_ = on; }
  void SetHintPause(int ms) { backend_.SetHintPause(ms); }

  // The hourglass shows while the application is busy.
  bool Busy() const { return busy_; }
  void SetBusy(bool busy);
  // Busy until the returned object goes, then as before: `auto busy = app.ShowBusy();`.
  ScopedValue<bool> ShowBusy();

  // The standard error display: an error that no handler caught is shown with its text in the
  // system's plain box, and the program goes on.
  void ShowUncaught(const std::exception& e);

  // A form of the program, or the standard error display, is shown modally: the windows below it
  // take no commands until it closes.
  bool ModalShowing() const { return modalShowing_ > 0; }
  // Counts a modal showing until the returned object goes.
  ScopedValue<int> ShowingModal() { return ScopedValue<int>(modalShowing_, modalShowing_ + 1); }

  // Whether Run shows the main form; a window that works hidden turns it off while it is created.
  void SetShowMainForm(bool on) { showMainForm_ = on; }

  // Makes `form` the main form, shows it (unless told not to) and runs until it closes.
  void Run(Form& form);
  // Called by the main form when it has closed.
  void MainFormClosed();

 private:
  UiBackend& backend_;
  std::string title_;
  Form* mainForm_ = nullptr;
  bool showHint_ = true;
  bool showMainForm_ = true;
  bool busy_ = false;
  int modalShowing_ = 0;
};

}  // namespace tavel
