// The hidden message-only window that carries every timer of the program.
#pragma once

#include <windows.h>

#include <map>

#include "ui/win32/window_base.h"

namespace tavel {

class Timer;
class UiBackend;

class TimerHost : public WindowBase {
 public:
  static constexpr const char* kClassName = "TavelTimerHost";

  // Errors that escape a timer's handler go to `ui`'s standard error display.
  TimerHost(UiBackend& ui, HINSTANCE instance);
  ~TimerHost() override;
  void Start(Timer& timer);
  void Stop(Timer& timer);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  std::map<UINT_PTR, Timer*> timers_;
  std::map<const Timer*, UINT_PTR> ids_;
  // Every start takes a new identifier, so a tick still queued for a stopped timer finds nothing.
  UINT_PTR nextId_ = 1;
};

}  // namespace tavel
