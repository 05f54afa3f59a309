// Waiting for a condition by polling, with time-outs generous enough for a loaded machine.
#include "wait.h"

#include <windows.h>

namespace tavel::e2e {

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return condition();
    Sleep(kPollMs);
  }
}

}  // namespace tavel::e2e
