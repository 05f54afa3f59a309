// Named mutex objects shared by every process of the session: locks that players hold while they
// change the one registry value they share, and marks that tell other players they are running.
#pragma once

#include <memory>
#include <string>

namespace tavel {

// A handle on a named mutex, held as a lock or only kept open; destroying it lets go.
class MutexHandle {
 public:
  virtual ~MutexHandle() = default;
};

class NamedMutexes {
 public:
  virtual ~NamedMutexes() = default;
  // Waits until no other process holds the lock `name`, then takes it. Null when the lock could
  // not be made or did not come free within a few seconds.
  virtual std::unique_ptr<MutexHandle> Acquire(const std::string& name) = 0;
  // Keeps the mutex `name` in existence, without holding it, until the handle goes (or the
  // process ends, however it ends). Null when it cannot be made.
  virtual std::unique_ptr<MutexHandle> Keep(const std::string& name) = 0;
  // Whether any process, this one included, has the mutex `name` open.
  virtual bool Exists(const std::string& name) = 0;
};

}  // namespace tavel
