// Registry operations built from the service's own: reading one value, deleting a key with
// everything below it.
#include "platform/registry.h"

namespace tavel {

std::string Registry::ReadString(RegistryRoot root, const std::string& path,
                                 const std::string& name, bool create) {
  std::unique_ptr<RegistryKey> key = Open(root, path, create);
  return key ? key->ReadString(name).value_or("") : "";
}

bool DeleteKeyTree(Registry& registry, RegistryRoot root, const std::string& path) {
  std::vector<std::string> children;
  {
    auto key = registry.Open(root, path, false);
    if (!key) return false;
    children = key->SubKeyNames();
  }  // closed before its sub-keys go
  for (const auto& child : children) DeleteKeyTree(registry, root, path + "\\" + child);
  return registry.DeleteKey(root, path);
}

}  // namespace tavel
