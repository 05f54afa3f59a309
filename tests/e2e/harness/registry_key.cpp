// One registry key, read and written from the test program (values are Shift-JIS strings).
#include "registry_key.h"

#include "environment.h"

namespace tavel::e2e {

namespace {

// Opens the key for one use and closes it at the end of the scope.
class OpenKey {
 public:
  OpenKey(HKEY root, const std::string& path, REGSAM access, bool create) {
    access |= ProgramRegistryView();
    LONG rc =
        create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, access, nullptr, &key_, nullptr)
               : RegOpenKeyExA(root, path.c_str(), 0, access, &key_);
    if (rc != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool RegistryKey::Exists() const {
  return static_cast<bool>(OpenKey(root_, path_, KEY_READ, false));
}

bool RegistryKey::Clear() {
  if (OpenKey key{root_, path_, KEY_ALL_ACCESS, false}) RegDeleteTreeA(key.get(), nullptr);
  RegDeleteKeyExA(root_, path_.c_str(), ProgramRegistryView(), 0);
  return !Exists();
}

bool RegistryKey::Write(const std::string& name, const std::string& value) {
  OpenKey key(root_, path_, KEY_WRITE, true);
  if (!key) return false;
  return RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

std::optional<std::string> RegistryKey::Read(const std::string& name) const {
  OpenKey key(root_, path_, KEY_READ, false);
  if (!key) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::string value(size, '\0');
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(size);
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return value;
}

bool RegistryKey::Remove(const std::string& name) {
  OpenKey key(root_, path_, KEY_WRITE, false);
  return key && RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> RegistryKey::ValueNames() const {
  std::vector<std::string> names;
  OpenKey key(root_, path_, KEY_READ, false);
  if (!key) return names;
  for (DWORD i = 0;; ++i) {
    char name[16384];
    DWORD size = sizeof name;
    if (RegEnumValueA(key.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    names.emplace_back(name, size);
  }
  return names;
}

RegistryKey SettingsKey() {
  return RegistryKey(HKEY_USERS, ".Default\\Software\\KOLAP SOFT32\\TAVEL32");
}

}  // namespace tavel::e2e
