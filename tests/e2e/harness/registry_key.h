// One registry key, read and written from the test program (values are Shift-JIS strings).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tavel::e2e {

class RegistryKey {
 public:
  RegistryKey(HKEY root, std::string path) : root_(root), path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  bool Exists() const;
  // Removes the key with all its values and sub-keys; true when it is gone afterwards.
  bool Clear();
  // Creates the key when missing and writes a string value.
  bool Write(const std::string& name, const std::string& value);
  // A string value; nothing when the key or the value is missing.
  std::optional<std::string> Read(const std::string& name) const;
  bool Remove(const std::string& name);
  std::vector<std::string> ValueNames() const;

 private:
  HKEY root_;
  std::string path_;
};

// The player's settings key, where the program reads "Version" at start.
RegistryKey SettingsKey();

}  // namespace tavel::e2e
