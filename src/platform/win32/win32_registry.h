// The registry of Windows: keys under HKEY_USERS and HKEY_LOCAL_MACHINE, opened for one use.
#pragma once

#include "platform/registry.h"

namespace tavel {

class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::string& path,
                                    bool create) override;
  bool DeleteKey(RegistryRoot root, const std::string& path) override;
};

}  // namespace tavel
