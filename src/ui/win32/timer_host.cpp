// The hidden message-only window that carries every timer of the program.
#include "ui/win32/timer_host.h"

#include "ui/timer.h"

namespace tavel {

TimerHost::TimerHost(UiBackend& ui, HINSTANCE instance) {
  RegisterClassOnce(instance, kClassName, nullptr, 0);
  WindowArgs args;
  args.className = kClassName;
  args.parent = HWND_MESSAGE;
  CreateFor(ui, instance, args);
}

TimerHost::~TimerHost() {
  for (auto& entry : timers_) KillTimer(Hwnd(), entry.first);
}

void TimerHost::Start(Timer& timer) {
  Stop(timer);
  UINT_PTR id = nextId_++;
  if (!SetTimer(Hwnd(), id, static_cast<UINT>(timer.Interval()), nullptr)) return;
  timers_[id] = &timer;
  ids_[&timer] = id;
}

void TimerHost::Stop(Timer& timer) {
  auto it = ids_.find(&timer);
  if (it == ids_.end()) return;
  KillTimer(Hwnd(), it->second);
  timers_.erase(it->second);
  ids_.erase(it);
}

LRESULT TimerHost::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_TIMER) return Default(msg, wp, lp);
  auto it = timers_.find(static_cast<UINT_PTR>(wp));
  if (it != timers_.end()) it->second->Fire();
  return 0;
}

}  // namespace tavel
