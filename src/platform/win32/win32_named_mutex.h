// Named mutexes as Windows mutex objects of the session.
#pragma once

#include "platform/named_mutex.h"

namespace tavel {

class Win32NamedMutexes : public NamedMutexes {
 public:
  std::unique_ptr<MutexHandle> Acquire(const std::string& name) override;
  std::unique_ptr<MutexHandle> Keep(const std::string& name) override;
  bool Exists(const std::string& name) override;
};

}  // namespace tavel
