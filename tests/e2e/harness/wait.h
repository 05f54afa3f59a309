// Waiting for a condition by polling, with time-outs generous enough for a loaded machine.
#pragma once

#include <functional>

namespace tavel::e2e {

// Time-outs in milliseconds. Wine on a busy two-core machine can take seconds to start a process.
constexpr int kWindowTimeoutMs = 30000;
constexpr int kExitTimeoutMs = 30000;
constexpr int kPollMs = 20;

// Polls `condition` until it holds or `timeoutMs` has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);

}  // namespace tavel::e2e
