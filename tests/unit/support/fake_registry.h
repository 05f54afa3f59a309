// An in-memory registry for tests: keys by root and path, string values, injectable failures.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tavel::testing {

class FakeRegistry : public Registry {
 public:
  using Values = std::map<std::string, std::string>;

  std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::string& path,
                                    bool create) override;
  bool DeleteKey(RegistryRoot root, const std::string& path) override;

  // Test set-up and inspection. Key paths are compared ignoring the case of letters, as Windows
  // does; value names exactly.
  void Set(const std::string& path, const std::string& name, const std::string& value,
           RegistryRoot root = RegistryRoot::Users);
  // The value, or "<missing>" when it does not exist.
  std::string Get(const std::string& path, const std::string& name,
                  RegistryRoot root = RegistryRoot::Users) const;
  bool Has(const std::string& path, const std::string& name,
           RegistryRoot root = RegistryRoot::Users) const;
  bool HasKey(const std::string& path, RegistryRoot root = RegistryRoot::Users) const;

  // Failures to simulate: opening any key, or writing or deleting one named value.
  bool failOpen = false;
  std::set<std::string> failWrites;
  std::set<std::string> failDeletes;
  // Every value access through an open key, in order: "read NAME", "write NAME", "delete NAME".
  std::vector<std::string> accessLog;
  int openCount = 0;
  int openKeys = 0;  // keys open right now: a use that forgets to close shows here

 private:
  friend class FakeRegistryKey;
  using KeyId = std::pair<RegistryRoot, std::string>;
  struct KeyLess {
    bool operator()(const KeyId& a, const KeyId& b) const;
  };
  bool HasSubKeys(const KeyId& id) const;
  void Create(const KeyId& id);
  std::map<KeyId, Values, KeyLess> keys_;
};

}  // namespace tavel::testing
