// A windowing system without windows: virtual time, scripted users, fixed text metrics.
#include "ui/headless_ui.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace tavel {

void HeadlessUi::AttachForm(Form&) {}
void HeadlessUi::DetachForm(Form&) {}

Size HeadlessUi::FrameSize(const Form& form) {
  return {8, 27 + (form.Menu() ? 19 : 0)};
}

Size HeadlessUi::MeasureText(const Font& font, const std::string& text) {
  int lines = 1;
  int widest = 0;
  int current = 0;
  for (char c : text) {
    if (c == '\n') {
      ++lines;
      current = 0;
      continue;
    }
    widest = std::max(widest, ++current);
  }
  return {widest * kCharWidth, lines * font.height};
}

void HeadlessUi::StartTimer(Timer& timer) {
  timers_[&timer] = now_ + timer.Interval();
}

void HeadlessUi::StopTimer(Timer& timer) {
  timers_.erase(&timer);
}

void HeadlessUi::Post(std::function<void()> event) {
  events_.push_back({now_, std::move(event)});
}

void HeadlessUi::PostAt(std::int64_t when, std::function<void()> event) {
  events_.push_back({when, std::move(event)});
}

// Runs the earliest posted event due by `until`, if any.
bool HeadlessUi::RunNextEvent(std::int64_t until) {
  auto it = std::min_element(events_.begin(), events_.end(),
                             [](const Pending& a, const Pending& b) { return a.when < b.when; });
  if (it == events_.end() || it->when > until) return false;
  std::function<void()> event = std::move(it->event);
  events_.erase(it);
  Deliver(event);
  return true;
}

// Fires the timer that falls due first, if one does by `until`; like a system timer it stays armed
// for its next period unless its handler disarms it.
bool HeadlessUi::FireNextDue(std::int64_t until) {
  auto it = std::min_element(timers_.begin(), timers_.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
  if (it == timers_.end() || it->second > until) return false;
  Timer* timer = const_cast<Timer*>(it->first);
  now_ = std::max(now_, it->second);
  it->second = now_ + timer->Interval();
  Deliver([timer] { timer->Fire(); });
  return true;
}

void HeadlessUi::Deliver(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& e) {
    if (!ReportUncaught(e)) throw;
  }
}

void HeadlessUi::ProcessMessages() {
  ++processCount_;
  // Only what is due now runs; events posted while running wait for the next call, as messages
  // posted during dispatch do.
  size_t budget = events_.size() + timers_.size();
  while (budget-- > 0 && (RunNextEvent(now_) || FireNextDue(now_))) {
  }
}

void HeadlessUi::Advance(std::int64_t ms) {
  std::int64_t until = now_ + ms;
  for (;;) {
    auto nextTimer =
        std::min_element(timers_.begin(), timers_.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    auto nextEvent =
        std::min_element(events_.begin(), events_.end(),
                         [](const Pending& a, const Pending& b) { return a.when < b.when; });
    std::int64_t timerDue = nextTimer == timers_.end() ? until + 1 : nextTimer->second;
    std::int64_t eventDue = nextEvent == events_.end() ? until + 1 : nextEvent->when;
    if (std::min(timerDue, eventDue) > until) break;
    now_ = std::max(now_, std::min(timerDue, eventDue));
    if (eventDue <= timerDue) {
      RunNextEvent(now_);
    } else {
      FireNextDue(now_);
    }
  }
  now_ = std::max(now_, until);
}

bool HeadlessUi::AdvanceUntil(const std::function<bool()>& done, std::int64_t limitMs,
                              std::int64_t stepMs) {
  for (std::int64_t spent = 0; !done(); spent += stepMs) {
    if (spent >= limitMs) return false;
    Advance(stepMs);
  }
  return true;
}

namespace {

Button* FindDefaultButton(Control& c) {
  for (Control* child : c.Children()) {
    if (auto* b = dynamic_cast<Button*>(child); b && b->Default() && b->Visible()) return b;
    if (Button* found = FindDefaultButton(*child)) return found;
  }
  return nullptr;
}

}  // namespace

void HeadlessUi::RunModal(Form& form) {
  if (OnModal) {
    OnModal(form);
  } else if (Button* ok = FindDefaultButton(form)) {
    ok->Click();
  }
  if (!form.IsClosed()) form.Close();
  if (form.ModalResult() == 0) form.SetModalResult(kResultCancel);
}

void HeadlessUi::RunMainLoop(Form&) {
  quit_ = false;
  // Headless, the caller drives time itself; running the loop only delivers what is pending.
  ProcessMessages();
}

void HeadlessUi::PopupMenu(Form&, MenuItem& menu, Point) {
  if (OnPopup) OnPopup(menu);
}

}  // namespace tavel
