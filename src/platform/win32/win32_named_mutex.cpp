// Named mutexes as Windows mutex objects of the session.
#include "platform/win32/win32_named_mutex.h"

#include <windows.h>

namespace tavel {
namespace {

// What holders do under a lock takes milliseconds; a holder that hangs for longer than this
// must not hang every player that starts after it.
constexpr DWORD kWaitMs = 5000;

class Win32MutexHandle : public MutexHandle {
 public:
  Win32MutexHandle(HANDLE mutex, bool held) : mutex_(mutex), held_(held) {}
  ~Win32MutexHandle() override {
    if (held_) ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }
  Win32MutexHandle(const Win32MutexHandle&) = delete;
  Win32MutexHandle& operator=(const Win32MutexHandle&) = delete;

 private:
  HANDLE mutex_;
  bool held_;
};

}  // namespace

std::unique_ptr<MutexHandle> Win32NamedMutexes::Acquire(const std::string& name) {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
  if (!mutex) return nullptr;
  // An abandoned mutex was held by a process that ended without giving it back; the lock is
  // ours now, and what that process left half done is no worse than without any lock.
  DWORD waited = WaitForSingleObject(mutex, kWaitMs);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return nullptr;
  }
  return std::make_unique<Win32MutexHandle>(mutex, true);
}

std::unique_ptr<MutexHandle> Win32NamedMutexes::Keep(const std::string& name) {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
  if (!mutex) return nullptr;
  return std::make_unique<Win32MutexHandle>(mutex, false);
}

bool Win32NamedMutexes::Exists(const std::string& name) {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name.c_str());
  if (!mutex) return false;
  CloseHandle(mutex);
  return true;
}

}  // namespace tavel
