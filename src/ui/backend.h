// What the control layer needs from a windowing system: real Win32 windows, or the headless
// stand-in.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "base/geometry.h"

namespace tavel {

class Control;
class Form;
class MenuItem;
class Timer;

class UiBackend {
 public:
  virtual ~UiBackend() = default;

  // Gives the form (and all its controls and menus) a window, or forgets it again.
  virtual void AttachForm(Form& form) = 0;
  virtual void DetachForm(Form& form) = 0;
  // Difference between a form's outer size and its client size (borders, caption, menu bar).
  virtual Size FrameSize(const Form& form) = 0;
  // Pixel size of a text in a font; line feeds start new lines.
  virtual Size MeasureText(const Font& font, const std::string& text) = 0;
  // Paints the control now instead of waiting for the next paint message.
  virtual void Repaint(Control& control) = 0;

  virtual void StartTimer(Timer& timer) = 0;
  virtual void StopTimer(Timer& timer) = 0;

  // Delivers whatever is pending (input, timers that are due), then returns.
  virtual void ProcessMessages() = 0;
  // Waits up to `ms` for something to arrive, then delivers what is pending.
  virtual void WaitForEvents(int ms) = 0;
  // Shows the form modally and returns when its modal result is set (or it is closed).
  virtual void RunModal(Form& form) = 0;
  // Runs until the main form has closed.
  virtual void RunMainLoop(Form& mainForm) = 0;
  // Ends the main loop (the main form has closed).
  virtual void Quit() = 0;
  // Shows a pop-up menu at a screen point; its items' OnClick run from the menu's choice.
  virtual void PopupMenu(Form& owner, MenuItem& menu, Point at) = 0;

  virtual void Beep() = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  virtual void SetAppTitle(const std::string& title) = 0;
  virtual void SetHintPause(int ms) = 0;
  // Hides the window that represents the application on the taskbar.
  virtual void HideTaskbarButton() = 0;
  // Shows it again.
  virtual void ShowTaskbarButton() {}
  // The icon handle of the form's window (0 without windows).
  virtual std::uintptr_t FormIcon(Form&) { return 0; }
  // Raises the form above the other windows (nothing to do without windows).
  virtual void BringToFront(Form&) {}
  // The system's plain box for an error, with the error's text, titled like the window in front:
  // the application's standard error display.
  virtual void ShowError(const std::string& text) = 0;
  // Where an error goes that escaped a handler the windowing system called: the application's
  // standard error display.
  void SetUncaughtHandler(std::function<void(const std::exception&)> handler) {
    uncaught_ = std::move(handler);
  }
  // Gives such an error to the display; false when there is none (no application).
  bool ReportUncaught(const std::exception& e) {
    if (!uncaught_) return false;
    uncaught_(e);
    return true;
  }

 private:
  std::function<void(const std::exception&)> uncaught_;
};

}  // namespace tavel
