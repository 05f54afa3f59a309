// The registry service: keys opened for one use and closed when the key object goes away.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavel {

enum class RegistryRoot { Users, LocalMachine };

// An open key. Destroying it closes it; nothing keeps a key open between uses.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The string value, or nothing when it is missing or cannot be read as a string.
  virtual std::optional<std::string> ReadString(const std::string& name) = 0;
  virtual bool WriteString(const std::string& name, const std::string& value) = 0;
  virtual bool DeleteValue(const std::string& name) = 0;
  virtual std::vector<std::string> SubKeyNames() = 0;
  virtual std::vector<std::string> ValueNames() = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens `path` under `root`; with `create` a missing key is created. Null when that fails.
  virtual std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::string& path,
                                            bool create) = 0;
  // Deletes a key that has no sub-keys.
  virtual bool DeleteKey(RegistryRoot root, const std::string& path) = 0;

  // The string value `name` of `path`, the key opened for this one read (created first when
  // `create`); "" when the key or the value is missing or the value is no string. Built on Open,
  // so the real registry and the fake of the tests read through the same code.
  std::string ReadString(RegistryRoot root, const std::string& path, const std::string& name,
                         bool create = false);
};

// Deletes `path` with every key below it; true when the key is gone.
bool DeleteKeyTree(Registry& registry, RegistryRoot root, const std::string& path);

}  // namespace tavel
