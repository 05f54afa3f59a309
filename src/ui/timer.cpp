// A window timer: enabled with an interval, it raises OnTimer every interval until disabled.
#include "ui/timer.h"

#include "ui/application.h"
#include "ui/form.h"

namespace tavel {

Timer::Timer(Form& owner, std::string name, int intervalMs)
    : owner_(owner), name_(std::move(name)), interval_(intervalMs) {}

Timer::~Timer() {
  if (scheduled_) owner_.App().Backend().StopTimer(*this);
}

void Timer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Update();
}

void Timer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Update();
}

void Timer::Update() {
  UiBackend& backend = owner_.App().Backend();
  if (scheduled_) backend.StopTimer(*this);
  scheduled_ = Running();
  if (scheduled_) backend.StartTimer(*this);
}

void Timer::Fire() {
  if (Running() && OnTimer) OnTimer();
}

}  // namespace tavel
