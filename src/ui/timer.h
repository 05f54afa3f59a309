// A window timer: enabled with an interval, it raises OnTimer every interval until disabled.
#pragma once

#include <functional>
#include <string>

namespace tavel {

class Form;

class Timer {
 public:
  // Timers are created disabled; `owner` outlives the timer.
  Timer(Form& owner, std::string name, int intervalMs);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  int Interval() const { return interval_; }
  // Changing the interval of a running timer starts its period again.
  void SetInterval(int ms);
  // A timer only runs when it is enabled and its interval is not 0.
  bool Running() const { return enabled_ && interval_ > 0; }

  std::function<void()> OnTimer;
  // Called by the platform when the period has elapsed.
  void Fire();

 private:
  void Update();

  Form& owner_;
  std::string name_;
  int interval_;
  bool enabled_ = false;
  bool scheduled_ = false;
};

}  // namespace tavel
