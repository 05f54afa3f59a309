// A windowing system without windows: virtual time, scripted users, fixed text metrics. Tests and
// the headless mode run the program's forms on it exactly as they run on Windows.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace tavel {

class HeadlessUi : public UiBackend {
 public:
  // Virtual milliseconds since the start.
  std::int64_t Now() const { return now_; }
  // Moves virtual time forward, firing every timer that falls due on the way, in order.
  void Advance(std::int64_t ms);
  // Advances until `done` holds, in steps of `stepMs`, at most `limitMs`; returns whether it held.
  bool AdvanceUntil(const std::function<bool()>& done, std::int64_t limitMs,
                    std::int64_t stepMs = 10);

  // An event (a click, a key) that arrives the next time pending events run.
  void Post(std::function<void()> event);
  // An event that arrives at a virtual time; it runs when time reaches it, or from ProcessMessages
  // once due.
  void PostAt(std::int64_t when, std::function<void()> event);

  // What the user does when a modal form appears. Without a script the user presses the form's
  // default button, or closes it from the title bar when it has none.
  std::function<void(Form&)> OnModal;
  // What the user chooses from a pop-up menu (by default nothing).
  std::function<void(MenuItem&)> OnPopup;

  bool TimerArmed(const Timer& t) const { return timers_.count(&t) != 0; }
  int BeepCount() const { return beeps_; }
  bool BusyCursor() const { return busy_; }
  const std::string& AppTitle() const { return appTitle_; }
  bool TaskbarButtonHidden() const { return taskbarHidden_; }
  int ProcessMessagesCount() const { return processCount_; }
  // Every text the standard error display showed, in order.
  const std::vector<std::string>& Errors() const { return errors_; }

  // Fixed metrics: every byte 8 pixels wide, lines as high as the font, frame 8 x 27 (+19 with a
  // menu).
  static constexpr int kCharWidth = 8;

  void AttachForm(Form& form) override;
  void DetachForm(Form& form) override;
  Size FrameSize(const Form& form) override;
  Size MeasureText(const Font& font, const std::string& text) override;
  void Repaint(Control&) override {}
  void StartTimer(Timer& timer) override;
  void StopTimer(Timer& timer) override;
  void ProcessMessages() override;
  // Virtual time moves on by `ms` (what falls due meanwhile runs).
  void WaitForEvents(int ms) override { Advance(ms); }
  void RunModal(Form& form) override;
  void RunMainLoop(Form& mainForm) override;
  void Quit() override { quit_ = true; }
  void PopupMenu(Form& owner, MenuItem& menu, Point at) override;
  void Beep() override { ++beeps_; }
  void SetBusyCursor(bool busy) override { busy_ = busy; }
  void SetAppTitle(const std::string& title) override { appTitle_ = title; }
  void SetHintPause(int) override {}
  void HideTaskbarButton() override { taskbarHidden_ = true; }
  void ShowTaskbarButton() override { taskbarHidden_ = false; }
  void ShowError(const std::string& text) override { errors_.push_back(text); }

 private:
  struct Pending {
    std::int64_t when;
    std::function<void()> event;
  };
  bool FireNextDue(std::int64_t until);
  bool RunNextEvent(std::int64_t until);
  // Runs what the windowing system delivers, as a window procedure does: an error that escapes
  // goes to the standard error display (on to the caller when there is no application).
  void Deliver(const std::function<void()>& work);

  std::int64_t now_ = 0;
  std::map<const Timer*, std::int64_t> timers_;  // armed timer -> time it falls due
  std::vector<Pending> events_;
  int beeps_ = 0;
  bool busy_ = false;
  bool quit_ = false;
  bool taskbarHidden_ = false;
  int processCount_ = 0;
  std::string appTitle_;
  std::vector<std::string> errors_;
};

}  // namespace tavel
