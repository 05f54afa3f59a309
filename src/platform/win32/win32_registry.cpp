// The registry of Windows: keys under HKEY_USERS and HKEY_LOCAL_MACHINE, opened for one use.
#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <algorithm>

namespace tavel {

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::Users ? HKEY_USERS : HKEY_LOCAL_MACHINE;
}

// An open key; closing it is the destructor's job.
class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override { RegCloseKey(key_); }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  // Only a string value reads as a string; any other type counts as missing.
  std::optional<std::string> ReadString(const std::string& name) override {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
      return std::nullopt;
    }
    std::string data(size, '\0');
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
      return std::nullopt;
    }
    data.resize(std::min<size_t>(size, data.size()));
    // The stored size counts the terminating zero (when the writer stored one).
    return data.substr(0, data.find('\0'));
  }

  bool WriteString(const std::string& name, const std::string& value) override {
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

  bool DeleteValue(const std::string& name) override {
    return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
  }

  std::vector<std::string> SubKeyNames() override {
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0;; ++i) {
      DWORD length = sizeof name;
      LONG rc = RegEnumKeyExA(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr);
      if (rc != ERROR_SUCCESS) break;
      names.emplace_back(name, length);
    }
    return names;
  }

  std::vector<std::string> ValueNames() override {
    std::vector<std::string> names;
    std::string name(16384, '\0');  // the longest value name the registry allows, and its zero
    for (DWORD i = 0;; ++i) {
      DWORD length = static_cast<DWORD>(name.size());
      LONG rc = RegEnumValueA(key_, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (rc != ERROR_SUCCESS) break;
      names.emplace_back(name.data(), length);
    }
    return names;
  }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::Open(RegistryRoot root, const std::string& path,
                                                 bool create) {
  HKEY key = nullptr;
  LONG rc;
  if (create) {
    rc = RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
  } else {
    rc = RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    // A key this user may only read is still good for reading.
    if (rc == ERROR_ACCESS_DENIED)
      rc = RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ, &key);
  }
  if (rc != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}

bool Win32Registry::DeleteKey(RegistryRoot root, const std::string& path) {
  return RegDeleteKeyA(RootKey(root), path.c_str()) == ERROR_SUCCESS;
}

}  // namespace tavel
